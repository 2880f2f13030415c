#pragma once
// Saving a file whole: its new contents replace it only when every byte of
// them has been written.

#include <QByteArray>

#include <string>

namespace ui {

// What to do where the file's folder allows no new file beside it.
enum class ReadOnlyFolder {
    Refuse,       // fail: the file is left as it was
    WriteInPlace, // write into the file itself, which then cannot be kept
};

// Writes the bytes to a new file that then replaces the one at the path. When
// a step fails (a full disk), the reason is set, the earlier file is left as
// it was and the new one is removed.
bool saveWhole(const std::string& path, const QByteArray& bytes, std::string& reason,
               ReadOnlyFolder readOnlyFolder = ReadOnlyFolder::Refuse);

} // namespace ui
