@echo off
rem apktool for the compile mode: runs apktool.jar beside this file with the arguments given.
java -jar "%~dp0apktool.jar" %*
