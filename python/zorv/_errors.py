"""The exceptions of the zorv package; each derives from the builtin exception a caller would catch."""
from __future__ import annotations

from typing import Optional


class Error(ValueError):
    """A failure of the engine: a value it refuses, a method that does not fit the rule base, a rule base
    that cannot be evaluated. ``message`` holds the text (``str(error)`` too). A ``ValueError``."""

    @property
    def message(self) -> str:
        """The engine's message."""
        return str(self.args[0]) if self.args else ""


class ParseError(Error):
    """Text the engine cannot read: an expression or a rule base file.

    Attributes: ``message`` (the reader's message, e.g. ``"parse error"``), ``text`` (the expression, or
    the line of the rule base at fault), ``position`` (the offset of the fault in ``text``, or None when it
    was found after reading) and ``line`` (the number of that line in the file, from 1, or None)."""

    text: str = ""
    position: Optional[int] = None
    line: Optional[int] = None


class ShapeError(Error):
    """Values of the wrong number or shape: a row with more or fewer values than the rule base has inputs, an
    array that is not (rows, inputs), node counts that do not match the inputs. Raised the same everywhere."""


class FileError(Error, OSError):
    """A file that cannot be read or written. Also an ``OSError``: ``errno`` holds the system's error number
    (None when unknown), ``filename`` the file and ``strerror`` the message. Made as ``OSError`` is:
    ``FileError(errno, message, filename)``."""

    def __init__(self, *args: object) -> None:
        OSError.__init__(self, *args)

    @property
    def message(self) -> str:
        """The engine's message, naming the file."""
        return str(self.strerror) if self.strerror is not None else super().message

    def __str__(self) -> str:
        return self.message


class MissingFileError(FileError, FileNotFoundError):
    """A file that does not exist: a ``zorv.FileError`` and a ``FileNotFoundError``."""
