#pragma once
// The machine's time zone for a while: a test runs as a secretary in that zone would, and the
// zone it found is back afterwards, for the tests that follow in the same program.
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

class ScopedTimeZone
{
public:
    // An empty zone keeps the one the test found.
    explicit ScopedTimeZone(const char* pszZone)
    {
        if (const char* pszWas = std::getenv("TZ"))
            m_was = pszWas;
        if (pszZone && *pszZone)
            setenv("TZ", pszZone, 1);
        tzset();
    }
    ~ScopedTimeZone()
    {
        if (m_was)
            setenv("TZ", m_was->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

private:
    std::optional<std::string> m_was;
};
