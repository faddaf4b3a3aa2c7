#pragma once
// The two batch files of the system pushes. Each ends by deleting itself. `source` is the PC
// path of the file, `directory` the phone directory, `name` the file's bare name there; the
// directory is used as written, so without a trailing "/" it runs into the name.

#include "host/text.h"

namespace tarnwick::push {

struct BatchFile {
    Text name;     // relative: it lies in the program directory
    Text content;  // lines ended by CR LF
};

// Run while the phone is in recovery: mounts the system and user-data partitions read-write,
// pushes the file to its place and gives it mode 644 and owner 0.0.
BatchFile ThroughRecoveryBatch(const Text& source, const Text& directory, const Text& name);

// Run on a rooted phone: pushes the file to /data/local/tmp/, then through su remounts /system
// and /data read-write, copies it into place, gives it mode 644 and owner 0.0 and removes the
// temporary copy.
BatchFile WithRootBatch(const Text& source, const Text& directory, const Text& name);

}  // namespace tarnwick::push
