// Replacing a file so that a crash or a kill at any moment leaves either the
// old contents or the new, never a mixture: the new contents go to a
// temporary file in the same folder, are flushed to the disk, and the
// temporary file is renamed over the old one; on POSIX systems the folder is
// flushed too, so the rename itself survives a power loss.
#pragma once

#include <filesystem>
#include <string_view>

namespace morv {

// False when any step fails: before the rename the old file is untouched and
// the temporary file removed; a failed flush of the folder after it leaves
// the new contents in place, not yet known to be on the disk. A writer
// killed before the rename may leave its temporary file
// ("<name>.tmp-<process>-<n>") behind.
bool replaceFileDurably(const std::filesystem::path& target, std::string_view contents);

// The file a path names: through a symbolic link, the file it points to (so
// that writes keep the link); otherwise the path itself.
std::filesystem::path resolvedTarget(const std::filesystem::path& target);

}  // namespace morv
