@echo off
rem apktool for the compile mode: runs apktool.jar beside this file with the arguments given.
rem Without a java.exe where cmd would find one (the current folder, then PATH) it says so in
rem Chinese, in code page 936 as cmd reads this file on Simplified Chinese Windows, instead of
rem leaving cmd's own words as the only hint.
if exist java.exe goto run
for %%j in (java.exe) do if not "%%~$PATH:j"=="" goto run
echo 找不到 Java: 编译模式需要 Java 11 或更高版本,请安装后将 java.exe 所在的文件夹加入 PATH!
exit /b 1
:run
java -jar "%~dp0apktool.jar" %*
