"""python3 -m qira: the qira command (see qira.cli)."""
import sys

from .cli import main

sys.exit(main())
