#!/usr/bin/env python3
"""Plants faults in a copy of the tree, one at a time, and tells which the tests catch.

Each fault in the list (faults.txt beside this script) is a search/replace pair in one file.
The runner copies the tree once (the files git knows, as they are in the work tree), configures
the copy as the plain build (ccache, the same flags), then for each fault: restores the copy,
plants the fault, builds the fault's tests (with what they depend on and the programs tests
start), runs them and, when they all pass, builds everything and runs the whole suite before
calling the fault a survivor. A fault whose search text does not occur
exactly once is not planted: "stale" (none, the code changed) or "ambiguous" (several).

Verdicts: caught (a failing assertion of a test), crash/time-out (a test failed only by crashing,
aborting or by ctest's time-out), survived, stale, ambiguous, no build (the fault did not compile).
The last line gives the share caught by a failing assertion. A test that fails without a fault
stops the run (the fault's tests) or is left out of the whole suite's runs (said when it is).

  tools/planted-faults/run.py                 every fault
  tools/planted-faults/run.py serial-baud-19200 archive-...   only these
  tools/planted-faults/run.py --check         only see that each search text matches once
"""

import argparse
import os
import re
import shutil
import signal
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
TREE = os.path.dirname(os.path.dirname(HERE))
FLAGS = ['-DCMAKE_BUILD_TYPE=RelWithDebInfo', '-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG',
         '-DML_WERROR=ON', '-DCMAKE_CXX_COMPILER_LAUNCHER=ccache']


def unescape(text):
    return text.replace('\\n', '\n').replace('\\t', '\t').replace('\\\\', '\\')


def read_faults(path):
    """Blocks of 'key: value' lines, a blank line between faults; '#' starts a comment line."""
    faults, current = [], {}
    for number, line in enumerate(open(path, encoding='utf-8'), 1):
        line = line.rstrip('\n')
        if line.startswith('#'):
            continue
        if not line.strip():
            if current:
                faults.append(current)
            current = {}
            continue
        key, sep, value = line.partition(':')
        value = value[1:] if value.startswith(' ') else value
        if not sep or key not in ('fault', 'file', 'breaks', 'tests', 'search', 'replace'):
            sys.exit(f'{path}:{number}: expected "key: value" with key fault, file, breaks, '
                     f'tests, search or replace')
        current[key] = value if key in ('fault', 'file', 'breaks', 'tests') else unescape(value)
        current.setdefault('line', number)
    if current:
        faults.append(current)
    for fault in faults:
        missing = [k for k in ('fault', 'file', 'breaks', 'search', 'replace') if k not in fault]
        if missing:
            sys.exit(f'{path}:{fault["line"]}: fault lacks {", ".join(missing)}')
    return faults


def matches(tree, fault):
    try:
        text = open(os.path.join(tree, fault['file']), encoding='utf-8').read()
    except OSError:
        return 0
    return text.count(fault['search'])


def run(command, cwd, log, timeout=None):
    """The command's status; None when it did not end within timeout seconds. Then it is
    killed with everything it started (a test program's emulator that holds ctest's pipe
    open would keep ctest waiting for ever)."""
    with open(log, 'a', encoding='utf-8') as out:
        out.write('$ ' + ' '.join(command) + '\n')
        out.flush()
        process = subprocess.Popen(command, cwd=cwd, stdout=out, stderr=subprocess.STDOUT,
                                   start_new_session=True)
        try:
            return process.wait(timeout=timeout)
        except BaseException as error:
            try:
                os.killpg(process.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            process.wait()
            if not isinstance(error, subprocess.TimeoutExpired):
                raise
            out.write(f'<the command did not end within {timeout} s: killed>\n')
            return None


def copy_tree(source, target):
    files = subprocess.run(['git', 'ls-files', '-co', '--exclude-standard', '-z'], cwd=source,
                           check=True, stdout=subprocess.PIPE).stdout.decode().split('\0')
    files = sorted(filter(None, files))
    # Files the tree no longer has leave the copy too (a test moved away must not still build).
    manifest = os.path.join(target, '.planted-faults-files')
    if os.path.exists(manifest):
        for name in set(open(manifest, encoding='utf-8').read().split('\0')) - set(files):
            if name and os.path.isfile(os.path.join(target, name)):
                os.remove(os.path.join(target, name))
    with open(manifest, 'w', encoding='utf-8') as out:
        out.write('\0'.join(files))
    for name in files:
        origin = os.path.join(source, name)
        if not os.path.isfile(origin):
            continue
        destination = os.path.join(target, name)
        os.makedirs(os.path.dirname(destination), exist_ok=True)
        # Unchanged files keep their time stamps: the build stays incremental across runs.
        if not os.path.exists(destination) or open(origin, 'rb').read() != open(destination, 'rb').read():
            shutil.copy2(origin, destination)


# Programs that tests start; built with every fault's tests even where a test does not say it
# depends on them, so that no test runs a program built with an earlier fault.
PROGRAMS = ('marlune-datalogger', 'tester-emulator')
# ctest's own time-outs end a hung test; this one ends a ctest that does not end after them.
CTEST_LIMIT = 1800


def all_tests(build):
    listing = subprocess.run(['ctest', '-N'], cwd=build, check=True, stdout=subprocess.PIPE,
                             universal_newlines=True).stdout
    return re.findall(r'Test\s+#\d+: (\S+)', listing)


def verdict_of_tests(build, tests, log, leave_out=()):
    """'passed', 'caught' or 'crash/time-out', and the failing tests."""
    command = ['ctest', '--output-on-failure', '-j2']
    if tests:
        command += ['-R', '^(' + '|'.join(re.escape(t) for t in tests) + ')$']
    if leave_out:
        command += ['-E', '^(' + '|'.join(re.escape(t) for t in leave_out) + ')$']
    start = os.path.getsize(log) if os.path.exists(log) else 0
    status = run(command, build, log, timeout=CTEST_LIMIT)
    output = open(log, encoding='utf-8', errors='replace').read()[start:]
    if status == 0:
        return 'passed', []
    if status is None:
        return 'crash/time-out', [f'<ctest did not end within {CTEST_LIMIT} s>']
    # The failing tests are listed after this line; earlier lines are the tests' own output.
    summary = output.rpartition('The following tests FAILED:')[2] if \
        'The following tests FAILED:' in output else ''
    failed = re.findall(r'^\s*\d+ - (\S+) \(([^)]*)\)', summary, re.M)
    if not failed:
        return 'crash/time-out', ['<ctest failed without naming a test>']
    # A QtTest assertion prints "FAIL!  : Class::function(row) ..."; so does a fatal error
    # (an abort), with that text: only the others are assertions.
    asserted = [line for line in re.findall(r'^FAIL!  : \S+::.*$', output, re.M)
                if not line.endswith('Received a fatal error.')]
    names = [f'{name} ({why})' for name, why in failed]
    # The rows that failed, so that a reader can tell a fault's catch from a row that fails
    # on a loaded machine anyway.
    rows = sorted({re.sub(r'^FAIL!  : (\S+?\([^)]*\)|\S+).*$', r'\1', line) for line in asserted})
    return ('caught' if asserted else 'crash/time-out'), names + rows


def interrupted(number, frame):
    raise KeyboardInterrupt(f'signal {number}')


def main():
    # Stopped by Ctrl+C or a kill: the copy gets its file back and the build or tests under way
    # end too (a run started in the background of a script has SIGINT ignored: taken back).
    signal.signal(signal.SIGINT, interrupted)
    signal.signal(signal.SIGTERM, interrupted)
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument('only', nargs='*', help='names of the faults to plant (default: all)')
    parser.add_argument('--faults', default=os.path.join(HERE, 'faults.txt'))
    parser.add_argument('--work', default=os.path.join(TREE, 'build', 'planted-faults'),
                        help='where the copy and its build live (kept for the next run)')
    parser.add_argument('--check', action='store_true',
                        help='only check that each search text occurs once in the tree')
    parser.add_argument('--whole-suite', action='store_true',
                        help="run the whole suite for every fault, not the fault's tests first")
    parser.add_argument('--tests-only', action='store_true',
                        help="run only each fault's tests (quicker): one that passes them is "
                             "'survived its tests', not run against the whole suite")
    args = parser.parse_args()

    faults = read_faults(args.faults)
    names = [f['fault'] for f in faults]
    if len(set(names)) != len(names):
        sys.exit('fault names repeat: ' + ', '.join(sorted({n for n in names if names.count(n) > 1})))
    unknown = set(args.only) - set(names)
    if unknown:
        sys.exit('no such fault: ' + ', '.join(sorted(unknown)))
    chosen = [f for f in faults if not args.only or f['fault'] in args.only]

    usable = []
    for fault in chosen:
        count = matches(TREE, fault)
        fault['state'] = 'stale' if count == 0 else 'ambiguous' if count > 1 else ''
        if fault['state']:
            print(f"{fault['fault']}: {fault['state']} ({count} matches in {fault['file']})")
        else:
            usable.append(fault)
    if args.check:
        print(f'{len(usable)} of {len(chosen)} faults match exactly once')
        return 0 if len(usable) == len(chosen) else 1

    source = os.path.join(args.work, 'src')
    # The build sits where the plain build sits in a work tree, so ccache finds what that
    # build compiled (base_dir makes the paths relative).
    build = os.path.join(source, 'build', 'plain')
    log = os.path.join(args.work, 'log.txt')
    os.makedirs(source, exist_ok=True)
    open(log, 'w').close()
    copy_tree(TREE, source)
    if run(['cmake', '-S', source, '-B', build] + FLAGS, source, log) != 0:
        sys.exit(f'the copy did not configure; see {log}')
    print(f'copy in {source}, log in {log}')

    def build_for(tests):
        """Builds these tests (all when none) and what they need."""
        targets = []
        if tests:
            targets = ['--target'] + sorted(set(tests) | set(PROGRAMS))
        return run(['cmake', '--build', build, '-j2'] + targets, source, log) == 0

    wanted = [f.get('tests', '').split() for f in usable]
    first = [] if args.whole_suite or not all(wanted) else sorted({t for w in wanted for t in w})
    # The test targets must exist before ctest can list them: only their names are asked for.
    if not build_for(first):
        sys.exit(f'the copy does not build without a fault; see {log}')
    # A name that is no test would run nothing and pass: every such fault would look survived.
    known = set(all_tests(build))
    wrong = sorted({f"{f['fault']}: {t}" for f in usable for t in f.get('tests', '').split()
                    if t not in known})
    if wrong:
        sys.exit('no such test: ' + ', '.join(wrong))
    # The tests the faults will run must pass without a fault, else every fault looks caught.
    baseline, failing = ('passed', []) if not usable else verdict_of_tests(build, first, log)
    if baseline != 'passed':
        sys.exit('the tests fail without a fault: ' + ', '.join(failing))
    # The whole suite without a fault, run once when a fault first needs it: a test that fails
    # anyway would make every fault that reaches the whole suite look caught.
    broken = [] if args.whole_suite or not all(wanted) else None

    def whole_suite(path, original, planted):
        nonlocal broken
        if broken is None:
            # Without the fault: the copy as the tree has it, built, then the fault again.
            with open(path, 'w', encoding='utf-8') as out:
                out.write(original)
            if run(['cmake', '--build', build, '-j2'], source, log) != 0:
                sys.exit(f'the copy does not build without a fault; see {log}')
            with open(log, 'a', encoding='utf-8') as out:
                out.write('\n=== the whole suite without a fault\n')
            _, failing = verdict_of_tests(build, [], log)
            broken = [name.split(' ')[0] for name in failing if not name.startswith('<')]
            if failing:
                print('the whole suite fails without a fault in ' + ', '.join(failing)
                      + ': left out of the whole-suite runs', flush=True)
            with open(path, 'w', encoding='utf-8') as out:
                out.write(planted)
        if not build_for([]):
            return 'no build', []
        return verdict_of_tests(build, [], log, broken)

    for fault in usable:
        path = os.path.join(source, fault['file'])
        original = open(path, encoding='utf-8').read()
        started = time.monotonic()
        planted = original.replace(fault['search'], fault['replace'], 1)
        try:
            with open(path, 'w', encoding='utf-8') as out:
                out.write(planted)
            with open(log, 'a', encoding='utf-8') as out:
                out.write(f"\n=== {fault['fault']}: {fault['breaks']}\n")
            tests = [] if args.whole_suite else fault.get('tests', '').split()
            if not build_for(tests):
                fault['state'], fault['failed'] = 'no build', []
            else:
                fault['state'], fault['failed'] = verdict_of_tests(build, tests, log)
                if fault['state'] == 'passed' and args.tests_only:
                    fault['state'] = 'survived its tests'
                if fault['state'] == 'passed' and tests:
                    fault['state'], fault['failed'] = whole_suite(path, original, planted)
                if fault['state'] == 'passed':
                    fault['state'] = 'survived'
        finally:
            with open(path, 'w', encoding='utf-8') as out:
                out.write(original)
        fault['seconds'] = time.monotonic() - started
        print(f"{fault['fault']}: {fault['state']} in {fault['seconds']:.0f} s"
              + (': ' + ', '.join(fault['failed']) if fault['failed'] else '')
              + ('' if fault['state'] in ('caught',) else f"  [{fault['breaks']}]"), flush=True)

    counted = [f for f in chosen
               if f['state'] in ('caught', 'crash/time-out', 'survived', 'survived its tests')]
    print('\nper fault:')
    for fault in chosen:
        seconds = f"{fault['seconds']:5.0f} s" if 'seconds' in fault else '       '
        print(f"  {fault['state']:18} {seconds} {fault['fault']:40} {fault['file']}")
    if counted:
        caught = sum(f['state'] == 'caught' for f in counted)
        crashed = sum(f['state'] == 'crash/time-out' for f in counted)
        partly = sum(f['state'] == 'survived its tests' for f in counted)
        print(f'\n{caught} of {len(counted)} planted faults caught by a failing assertion '
              f'({100 * caught / len(counted):.0f} %), {crashed} only by a crash or time-out, '
              f'{len(counted) - caught - crashed} survived'
              + (f' ({partly} only their own tests)' if partly else '') + '; '
              + ', '.join(f'{sum(f["state"] == s for f in chosen)} {s}'
                          for s in ('stale', 'ambiguous', 'no build')))
    return 0


if __name__ == '__main__':
    sys.exit(main())
