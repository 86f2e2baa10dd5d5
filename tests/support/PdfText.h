#pragma once

#include <cstdio>
#include <string>

namespace pelinor::test {

// The text of a PDF's pages as pdftotext (poppler-utils) reads it back, in the order it was
// written (-raw); pages from `first` to `last` (0: to the end).
inline std::string pdfText(const std::string& path, int first = 1, int last = 0)
{
    std::string command = "pdftotext -raw -enc UTF-8 -f " + std::to_string(first);
    if (last > 0) {
        command += " -l " + std::to_string(last);
    }
    command += " '" + path + "' - 2>/dev/null";
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t read = 0;
        while ((read = fread(buffer, 1, sizeof(buffer), pipe)) > 0) {
            text.append(buffer, read);
        }
        pclose(pipe);
    }
    return text;
}

// The same text without line breaks and blanks, for texts that wrap inside a cell.
inline std::string joinedPdfText(const std::string& path, int first = 1, int last = 0)
{
    std::string joined;
    for (const char c : pdfText(path, first, last)) {
        if (c != '\n' && c != ' ' && c != '\f' && c != '\r') {
            joined += c;
        }
    }
    return joined;
}

// The page count pdfinfo gives; 0 when the file is no PDF.
inline int pdfPageCount(const std::string& path)
{
    const std::string command = "pdfinfo '" + path + "' 2>/dev/null";
    int pages = 0;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char line[512];
        while (fgets(line, sizeof(line), pipe)) {
            if (std::sscanf(line, "Pages: %d", &pages) == 1) {
                break;
            }
        }
        pclose(pipe);
    }
    return pages;
}

} // namespace pelinor::test
