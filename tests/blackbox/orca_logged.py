#!/usr/bin/python3
"""Debian 12's Orca with its debug log written line by line, for orca_test.sh.

Usage: orca_logged.py PREFS_DIR LOG_FILE

Orca's own start-up script would end (or refuse to start beside) any other Orca of the same
user on the machine; this starts Orca's main loop directly, on the caller's accessibility bus.
"""

import sys

sys.argv[0] = "orca"
from orca import debug  # noqa: E402

prefs, log = sys.argv[1], sys.argv[2]
debug.debugLevel = debug.LEVEL_INFO
debug.eventDebugLevel = debug.LEVEL_OFF
# Line-buffered, so that the test reads each line as soon as Orca has written it.
debug.debugFile = open(log, "w", buffering=1, encoding="utf-8")

from orca import orca  # noqa: E402

manager = orca.getSettingsManager()
manager.activate(prefs, {})
sys.path.insert(0, manager.getPrefsDir())
sys.exit(orca.main())
