#pragma once
// The run data file: temp.txt in the program's folder, plain text with every
// line ended by CR LF. It is emptied at start, collects the records saved
// during the run, and is deleted by Exit. Every operation opens and closes the
// file itself; a failure returns false and sets the reason.

#include <string>
#include <vector>

namespace chart {

class RunDataFile {
public:
    explicit RunDataFile(std::string folder);

    const std::string& path() const { return path_; }

    // Creates or overwrites the file with one empty line.
    bool reset(std::string& reason) const;
    // Appends the lines, each ended by CR LF; creates the file when missing.
    bool append(const std::vector<std::string>& lines, std::string& reason) const;
    // Every line of the file, without its line end: a line ends at CR or
    // at CR LF, and a last line without an end counts too.
    bool readLines(std::vector<std::string>& lines, std::string& reason) const;
    // Copies the file byte for byte; the destination is replaced only when
    // the copy has been written whole.
    bool copyTo(const std::string& destination, std::string& reason) const;
    // Deletes the file; a file already gone is not a failure.
    bool remove(std::string& reason) const;

private:
    std::string path_;
};

} // namespace chart
