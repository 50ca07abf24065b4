#pragma once
// A folder of its own for a test, removed with everything in it afterwards.
#include <filesystem>
#include <string>

class TempDir
{
public:
    TempDir();
    // In parent rather than the temporary folder: /tmp where a path must stay short whatever
    // TMPDIR the tests run under.
    explicit TempDir(const std::filesystem::path& parent);
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::string File(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};
