#pragma once
// A file's bytes as the tests compare them: read by the standard library, not by the code
// under test. A missing file reads as empty.
#include <fstream>
#include <iterator>
#include <string>

inline std::string FileContents(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
