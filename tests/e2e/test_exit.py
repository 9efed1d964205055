"""Ending the program from outside: the exit command wherever the program is at that moment."""
from orvane_e2e import Session, run_tests, wait_until

WM_COMMAND = 0x111
CMD_CLOSE = 3006  # the tray menu's "退出(&E)"


def test_exit_while_the_tray_menu_is_open_ends_the_program(args):
    with Session(args, "exit-menu-open") as s:
        s.install(settings="[General]\nShowWelcomeWindow=0\n")
        first = s.start()
        s.wait_main_window()
        s.open_tray_menu()
        # As an installer or a script would: the exit command posted while the menu's own
        # message loop runs.
        s.post("TFrmOrvaneMain", WM_COMMAND, CMD_CLOSE)
        try:
            wait_until("the program to end", lambda: first.poll() is not None, timeout=15)
        except AssertionError as e:
            raise AssertionError(f"{e}: {s.wine_processes()}") from None
        assert first.returncode == 0
        s.wait_ended()
        # Nothing is left that a new start would hand over to.
        second = s.start()
        s.wait_main_window()
        wait_until("the tray icon", s.tray_shows_icon)
        assert second.poll() is None, f"the new start ended ({second.returncode})"


if __name__ == "__main__":
    run_tests([test_exit_while_the_tray_menu_is_open_ends_the_program])
