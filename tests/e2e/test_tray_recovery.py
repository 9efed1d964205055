"""The tray icon comes back when the taskbar is new. Wine's taskbar does not announce itself
when it restarts, so the test takes the icon away and sends "TaskbarCreated" itself."""
import json

from orvane_e2e import Session, run_tests, wait_until

# No sampling timer: the picture stays the one start-up drew, so the re-added icon can be
# compared with it pixel for pixel.
SETTINGS = "[General]\nShowWelcomeWindow=0\nShowPercentage=1\nRefreshRate=0\n"


def test_new_taskbar_gets_the_icon_back_with_picture_and_menu(args):
    with Session(args, "taskbar-created") as s:
        s.install(settings=SETTINGS)
        s.start()
        s.wait_main_window()
        wait_until("the tray icon", lambda: s.tray_shows_icon())
        picture = s.tray_icon()
        rc, _ = s.probe("tray-delete", "--class", "TFrmOrvaneMain")
        assert rc == 0
        wait_until("the icon to go", lambda: not s.tray_shows_icon())
        s.send("TFrmOrvaneMain", "TaskbarCreated")
        wait_until("the icon to come back", lambda: s.tray_shows_icon())
        assert s.tray_icon() == picture
        # Its callbacks work: the menu opens and its "关于(&A)" shows the about window.
        s.choose_from_tray_menu("a")
        rc, out = s.probe("dialog", "--class", "TFrmOrvaneMain", "--timeout", "15000")
        assert rc == 0 and json.loads(out)["title"] == "关于 Orvane"


if __name__ == "__main__":
    run_tests([test_new_taskbar_gets_the_icon_back_with_picture_and_menu])
