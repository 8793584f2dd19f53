#!/usr/bin/env python3
"""What a screen reader hears of the running program, read through AT-SPI on a real
accessibility bus: a private X server, session bus and accessibility bus, the program copied to
a folder of its own and driven by keys the registry sends.

Usage: AtSpiTest.py PROGRAM. Exit 0 passed, 1 failed, 77 skipped (a tool is missing)."""
import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77
DISPLAY_LOST = 75  # the run inside is tried once more
LAUNCHER = '/usr/libexec/at-spi-bus-launcher'


def skip(why):
    print('SKIPPED: ' + why)
    sys.exit(SKIP)


def reexec_inside_bus():
    """Runs this script again under its own X server and session bus."""
    for tool in ('xvfb-run', 'dbus-run-session'):
        if not shutil.which(tool):
            skip(tool + ' is not installed (scripts/deps.sh)')
    if not os.path.exists(LAUNCHER):
        skip(LAUNCHER + ' is not installed (at-spi2-core, scripts/deps.sh)')
    python = sys.executable
    try:
        import pyatspi  # noqa: F401
    except ImportError:
        # pyatspi is a Debian package: the system's Python has it where another may not.
        python = '/usr/bin/python3'
        probe = subprocess.run([python, '-c', 'import pyatspi'], capture_output=True)
        if probe.returncode != 0:
            skip('python3-pyatspi is not installed (scripts/deps.sh)')
    env = dict(os.environ, CLUEFORGE_ATSPI_INSIDE='1')
    # Display numbers away from the usual :99, where other runs on the machine start theirs.
    import random
    command = ['xvfb-run', '-a', '-n', str(random.randint(200, 2000)), '-s',
               '-screen 0 1280x900x24', 'dbus-run-session', '--', python,
               os.path.abspath(__file__)] + sys.argv[1:]
    for attempt in (1, 2, 3):
        try:
            code = subprocess.run(command, env=env, timeout=110).returncode
        except subprocess.TimeoutExpired:
            print('FAILED: timed out')
            sys.exit(1)
        if code != DISPLAY_LOST:
            sys.exit(code)
        print('the X server was lost to another one; trying again')
    sys.exit(1)


if os.environ.get('CLUEFORGE_ATSPI_INSIDE') != '1':
    reexec_inside_bus()

import pyatspi  # noqa: E402

failures = []


def check(condition, what):
    print(('ok   ' if condition else 'FAIL ') + what)
    if not condition:
        failures.append(what)


def settled(read, expected, seconds=10):
    """What read() gives once it equals expected, or at the end of the wait: the program
    answers the keys in its own time."""
    deadline = time.monotonic() + seconds
    while True:
        try:
            value = read()
        except Exception as e:  # the tree changes under the query
            value = e
        if value == expected or time.monotonic() > deadline:
            return value
        time.sleep(0.2)


def wait_for(find, what, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            found = find()
        except Exception:  # the tree changes under the query
            found = None
        if found:
            return found
        time.sleep(0.2)
    raise AssertionError('not found in time: ' + what)


def walk(acc, depth=0):
    if acc is None or depth > 20:
        return
    yield acc
    for child in acc:
        yield from walk(child, depth + 1)


def find(root, predicate):
    for acc in walk(root):
        try:
            if predicate(acc):
                return acc
        except Exception:
            pass
    return None


def showing(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


# Key codes of the X server's default (evdev) layout.
KEYS = {'Return': 36, 'Up': 111, 'Down': 116, 'Left': 113, 'Right': 114, 'Control': 37, 'n': 57}


def key(name):
    pyatspi.Registry.generateKeyboardEvent(KEYS[name], None, pyatspi.KEY_PRESSRELEASE)
    time.sleep(0.15)


def ctrl(name):
    pyatspi.Registry.generateKeyboardEvent(KEYS['Control'], None, pyatspi.KEY_PRESS)
    key(name)
    pyatspi.Registry.generateKeyboardEvent(KEYS['Control'], None, pyatspi.KEY_RELEASE)
    time.sleep(0.15)


def pointer_over(acc, event='abs'):
    """The server sends the keys to the window under the pointer."""
    x, y, w, h = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(x + w // 2, y + h // 2, event)
    time.sleep(0.2)


class DisplayLost(Exception):
    """Another X server took the display number xvfb-run chose: not the program's fault."""


class Program:
    def __init__(self, built, *args):
        self.folder = tempfile.mkdtemp(prefix='clueforge-atspi-')
        # A portable copy: its settings stay in its own folder.
        shutil.copytree(os.path.dirname(built), os.path.join(self.folder, 'bin'))
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1',
                   HOME=self.folder, XDG_RUNTIME_DIR=self.folder)
        env.pop('QT_QPA_PLATFORM', None)
        self.errors = open(os.path.join(self.folder, 'stderr.txt'), 'w+')
        self.process = subprocess.Popen(
            [os.path.join(self.folder, 'bin', os.path.basename(built))] + list(args), env=env,
            stderr=self.errors)
        self.app = wait_for(self.application, 'the program on the bus')
        if self.app is self:
            self.errors.seek(0)
            said = self.errors.read()
            sys.stderr.write(said)
            if 'could not connect to display' in said:
                raise DisplayLost()
            raise AssertionError('the program ended: %r' % self.process.returncode)
        self.frame = wait_for(lambda: self.app[0], 'the main window')

    def application(self):
        if self.process.poll() is not None:
            return self  # ended: nothing to wait for
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == 'Clueforge':
                return app
        return None

    def find(self, predicate, what, root=None):
        return wait_for(lambda: find(root or self.frame, predicate), what)

    def grid_cell(self):
        grid = self.find(lambda a: a.name == 'Grid' and a.parent.name == 'Grid', 'the grid')
        return grid, wait_for(lambda: grid[0], 'the cursor cell')

    def close(self):
        self.process.terminate()
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()
        self.errors.close()
        shutil.rmtree(self.folder, ignore_errors=True)


def label_texts_are_descriptions(program):
    """A new grid being drawn: the coordinates label names itself and describes its text."""
    # A click on the empty window makes it the active one, which takes the shortcut.
    pointer_over(program.frame, 'b1c')
    ctrl('n')
    dialog = wait_for(lambda: find(program.app, lambda a: a.getRoleName() == 'dialog'),
                      'the new crossword dialog')
    for name, text in (('Название:', 'Проба'), ('Столбцов:', '5'), ('Строк:', '5')):
        program.find(lambda a: a.getRoleName() == 'text' and a.name == name, name, dialog) \
            .queryEditableText().setTextContents(text)
    ok = program.find(lambda a: a.getRoleName() == 'push button' and a.name == 'OK', 'OK',
                      dialog).queryAction()
    try:
        ok.doAction(0)
    except Exception:  # the dialog closed, and the button with it, before the reply
        pass
    label = program.find(lambda a: a.name == 'Координаты' and showing(a),
                         'the coordinates label')
    pointer_over(program.frame)
    grid, cell = program.grid_cell()
    grid.queryComponent().grabFocus()
    time.sleep(0.3)
    key('Right')
    key('Right')
    key('Down')
    said = settled(lambda: label.description, 'Координаты: 3,2')
    check(said == 'Координаты: 3,2', 'the coordinates label describes its text: %r' % said)
    said = settled(lambda: cell.description, 'белая клетка')
    check(said == 'белая клетка', 'a white cell: %r' % said)


def solved_cells(program):
    """Solving: a solved word's cells stay white and their letters are the cell's text."""
    grid, cell = program.grid_cell()
    check('Text' in cell.get_interfaces(), 'the cursor cell has a text: %r'
          % (cell.get_interfaces(),))
    answer = program.find(lambda a: a.getRoleName() == 'text' and a.name == 'Введите ответ:',
                          'the answer box')
    answer.queryEditableText().setTextContents('МОРЕ')
    answer.queryComponent().grabFocus()
    time.sleep(0.3)
    key('Return')
    count = program.find(lambda a: a.name == 'Количество слов', 'the word count')
    said = settled(lambda: count.description, 'Слов: 5')
    check(said == 'Слов: 5', 'the word count describes its text: %r' % said)
    grid.queryComponent().grabFocus()
    time.sleep(0.3)
    for name in ['Up'] * 6 + ['Left'] * 5 + ['Right']:
        key(name)
    said = settled(lambda: cell.name, 'строка 1, столбец 2')
    check(said == 'строка 1, столбец 2', 'the cursor on a solved cell: %r' % said)
    said = cell.description
    check(said == 'белая клетка', 'a solved cell is white: %r' % said)
    try:
        letter = cell.queryText().getText(0, -1)
    except NotImplementedError:
        letter = None
    check(letter == 'О', 'its letter is its text: %r' % letter)


def dock_buttons(program):
    """The clue list's dock buttons are named in the program's language."""
    english = [a for a in walk(program.frame)
               if a.getRoleName() == 'push button' and a.name in ('Float', 'Close')]
    check(not english, 'no dock button named in English: %r' % [a.name for a in english])


def main():
    built = sys.argv[1]
    sample = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'resources',
                          'Samples', 'Sample-ru.cfw')
    # The X server may still be starting on a busy machine.
    socket = '/tmp/.X11-unix/X' + os.environ.get('DISPLAY', ':0').lstrip(':').split('.')[0]
    settled(lambda: os.path.exists(socket), True)
    time.sleep(0.5)
    launcher = subprocess.Popen([LAUNCHER, '--launch-immediately'])
    try:
        time.sleep(1)
        for steps, args in (((label_texts_are_descriptions,), ()),
                            ((solved_cells, dock_buttons), (sample,))):
            program = None
            try:
                program = Program(built, *args)
                for step in steps:
                    step(program)
            except DisplayLost:
                raise
            except Exception as e:  # a step that could not go on fails, the others run
                check(False, '%s: %s' % (type(e).__name__, e))
            finally:
                if program:
                    program.close()
    finally:
        launcher.terminate()
        launcher.wait(10)
    print('FAILED: %d' % len(failures) if failures else 'PASSED')
    return 1 if failures else 0


try:
    sys.exit(main())
except DisplayLost:
    sys.exit(DISPLAY_LOST)
