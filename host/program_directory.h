#pragma once
// The program directory: the folder of the program's executable, fixed once at start-up and
// made the current directory, so that work files with relative names live beside the program.
// An installed program on Linux (a file `installed` lies beside it) works in a folder of each
// user's own instead, since its own folder is root's.

#include "host/text.h"

namespace tarnwick {

struct ProgramLocation {
    Text directory;  // no trailing backslash; "C:" for a program at a drive root
    Text fileName;
};

// Cuts a full executable path at its last backslash, scanning by characters so that the trail
// byte of a two-byte character is never taken for one.
ProgramLocation SplitProgramPath(const Text& executablePath);

// What keeps the program from working in the folder of its executable.
enum class FolderProblem {
    None,
    LostCharacters,         // on Windows a character that code page 936 cannot hold stands as '?'
    CommandLineCharacters,  // a character a command line cannot carry: % (on Linux " ? * too)
    NetworkFolder,          // \\server\share: cmd cannot make it its current directory
    TooLong,  // on Windows longer than kLongestProgramFolder: the work files would not fit MAX_PATH
    NotWritable,  // no file can be made in it: Program Files, a read-only medium, an archive
};
// `folder` in its ordinary form, without the long-path prefix \\?\ (long_path_prefix.h).
FolderProblem CheckProgramFolder(const Text& folder);

// The folder of the program's executable, in its ordinary form (without \\?\\).
Text ExecutableFolder();

// The folder the program works in, given the executable's folder: that folder itself, or for an
// installed program on Linux the user's own (C:\.local\share\tarnwick), made and set up here.
struct ProgramFolderChoice {
    Text folder;
    // false: the user's own folder cannot be made or written, or a command line cannot name it
    bool usable = true;
};
ProgramFolderChoice ChooseProgramFolder(const Text& executableFolder);

// True when a start of the program makes a signing pair in its folder where there is none: the
// installed program on Linux does so in the user's own folder.
bool StartMakesSigningPair();

// Remembers the folder and makes it the current directory. False when it is empty or cannot be
// entered.
bool FixProgramDirectory(const Text& folder);

// The folder fixed by FixProgramDirectory, without a trailing backslash.
Text ProgramDirectory();

}  // namespace tarnwick
