// A small check list for the Windows test program (GoogleTest is not cross-built): each
// check prints one line, and the summary is the closing "N passed, N failed" line.
#ifndef QT_TESTS_WINDOWS_CHECKS_H
#define QT_TESTS_WINDOWS_CHECKS_H

#include <cstdio>
#include <sstream>
#include <string>

namespace wintest {

class Checks {
  public:
    bool expect(bool ok, const std::string& what, const std::string& detail = {}) {
        ++(ok ? passed_ : failed_);
        std::printf("%s %s%s%s\n", ok ? "ok  " : "FAIL", what.c_str(), detail.empty() ? "" : ": ",
                    detail.c_str());
        return ok;
    }
    template <typename A, typename B>
    bool equal(const A& actual, const B& expected, const std::string& what) {
        if (actual == expected) return expect(true, what);
        std::ostringstream detail;
        detail << "got [" << actual << "], expected [" << expected << "]";
        return expect(false, what, detail.str());
    }
    int passed() const { return passed_; }
    int failed() const { return failed_; }

  private:
    int passed_ = 0;
    int failed_ = 0;
};

// The module's resources read back with the Windows resource and version APIs.
void checkModuleResources(Checks& checks, const std::string& modulePath);
// The module driven through the headless host: start-up, tool, drags, unload, reload, shutdown.
void checkHostSession(Checks& checks, const std::string& modulePath);

}  // namespace wintest

#endif
