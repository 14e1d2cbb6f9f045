@echo off
rem Runs every end-to-end test of Fortuva on this PC: fortuva_e2e.exe drives
rem the Fortuva.exe beside it as a user would. From wherever the kit lies:
rem   run-tests.cmd [FILTER]      FILTER picks tests by name, e.g. Voice.*
rem Each test runs in a process of its own, as in the build's test run, and
rem the output of each one that fails is shown. The last line reads
rem "N passed, M failed"; the exit code is 0 only when all passed.
setlocal EnableExtensions DisableDelayedExpansion
rem No path is echoed inside parentheses: a folder such as "kit (1)" would
rem end the block. Wine's cmd runs "||" and "&&" whatever the outcome and
rem stumbles over an "if" within an "if" that opens a block, so outcomes
rem are tested with plain "if" and "goto".
cd /d "%~dp0"
set "FORTUVA_EXE=%~dp0Fortuva.exe"
set "e2e=%~dp0fortuva_e2e.exe"
if not exist "%e2e%" goto no_kit
set "filter=%~1"
if not defined filter set "filter=*"
set "work=%TEMP%\fortuva-e2e-run-%RANDOM%%RANDOM%"
mkdir "%work%" 2>nul
if not exist "%work%\" goto no_work
rem The failure messages are UTF-8; the console's code page comes back at the end.
set "codepage="
for /f "tokens=2 delims=:" %%C in ('chcp') do set "codepage=%%C"
if defined codepage set "codepage=%codepage: =%"
if defined codepage set "codepage=%codepage:.=%"
chcp 65001 >nul 2>&1

echo Fortuva end-to-end tests, from "%~dp0"
ver
echo.
echo The tests start Fortuva.exe again and again, type into it, click it and
echo move the mouse pointer. Leave the mouse and the keyboard alone until the
echo last line.
echo.
echo One test changes settings of this PC for a few seconds and puts them back:
echo ColourSchemes.* sets the screen colours (system colours) of this session,
echo as a high-contrast scheme does. They are put back when the test ends, also
echo when it fails or when the run is stopped with Ctrl+C or by closing this
echo window; after a crash, the next run puts them back before anything else,
echo and signing out of Windows does too. Nothing else is changed: the tests
echo write only below "%TEMP%" and delete what they write.
echo.

rem The names of the tests, "Suite.Test", one a line.
"%e2e%" --gtest_list_tests "--gtest_filter=%filter%" >"%work%\listed.txt"
if not "%errorlevel%"=="0" (
    echo fortuva_e2e.exe could not list its tests.
    set /a total=0, passed=0, failed=1
    goto summary
)
set "suite="
type nul >"%work%\names.txt"
for /f "usebackq tokens=1" %%T in ("%work%\listed.txt") do call :listed %%T
set /a total=0, passed=0, failed=0
for /f "usebackq" %%N in ("%work%\names.txt") do set /a total+=1
type nul >"%work%\failed.txt"
set /a n=0
for /f "usebackq" %%N in ("%work%\names.txt") do call :run %%N

:summary
echo.
if %failed% gtr 0 (
    echo The following tests FAILED:
    type "%work%\failed.txt"
)
if %total% gtr 0 goto summed
if %failed% gtr 0 goto summed
echo No test matches "%filter%".
set /a failed=1
:summed
rd /s /q "%work%" 2>nul
if defined codepage if not "%codepage%"=="0" chcp %codepage% >nul 2>&1
echo %passed% passed, %failed% failed
rem Started from Explorer, the window would close before the result is read.
set "started=%cmdcmdline%"
if defined started set "started=%started:"=%"
if defined started if /i not "%started:run-tests=%"=="%started%" pause
if %failed% gtr 0 exit /b 1
exit /b 0

:no_kit
echo No fortuva_e2e.exe beside run-tests.cmd in "%~dp0": unpack the whole kit.
exit /b 2

:no_work
echo Cannot create "%work%".
exit /b 2

rem A line of the list: a suite ("Suite.") or one of its tests; what comes
rem before the first suite is no test. Disabled tests are left out, as in
rem the build's test run.
:listed
set "name=%~1"
if "%name:~-1%"=="." (
    set "suite=%name%"
    exit /b
)
if not defined suite exit /b
if "%suite:~0,9%"=="DISABLED_" exit /b
if "%name:~0,9%"=="DISABLED_" exit /b
>>"%work%\names.txt" echo %suite%%name%
exit /b

rem A test passed when its program ended well having passed one test: a log
rem that could not be written, or a name that matches no test, is no pass.
rem Each test has a log of its own, as a program the test started may
rem still hold the last one open.
:run
set /a n+=1
set "log=%work%\test-%n%.log"
"%e2e%" "--gtest_filter=%~1" --gtest_color=no >"%log%" 2>&1
set "code=%errorlevel%"
set "ran="
if exist "%log%" for /f "usebackq delims=" %%L in ("%log%") do if "%%L"=="[  PASSED  ] 1 test." set "ran=1"
if not "%code%"=="0" goto run_failed
if not defined ran goto run_failed
set /a passed+=1
echo %n%/%total% %~1 ... Passed
exit /b
:run_failed
set /a failed+=1
if exist "%log%" type "%log%"
echo %n%/%total% %~1 ... FAILED (exit code %code%)
>>"%work%\failed.txt" echo     %~1
exit /b
