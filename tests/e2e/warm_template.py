"""Builds the Wine prefix template that every end-to-end test copies, and runs one Windows
program in it on a virtual display so font caches and the desktop set-up are done once."""
import os
import subprocess

from orvane_e2e import Session, parse_args


class TemplateSession(Session):
    """A session that works in the template itself instead of a copy."""

    def _make_prefix(self):
        self.prefix = os.path.join(self.args.work, "template")
        os.makedirs(self.root, exist_ok=True)
        subprocess.run([os.path.join(self.args.source, "tests/e2e/make-prefix.sh"), self.prefix],
                       check=True, stdout=subprocess.DEVNULL, env=self._base_env())

    def close(self):
        self.args.keep = True  # never delete the template
        super().close()


if __name__ == "__main__":
    args = parse_args()
    marker = os.path.join(args.work, "template", ".orvane-warm")
    if not os.path.exists(marker):
        with TemplateSession(args, "warm-up") as s:
            rc, _ = s.probe("count", "--class", "Shell_TrayWnd", timeout=180)
            assert rc == 0, "the probe could not run in the template prefix"
        open(marker, "w").close()
    print("template ready")
