// Suites: acquires every host suite the plug-in uses into the module-wide pointers of
// suite_pointers.h and releases them again. One count is shared by every Suites object: the
// first one acquires, and the suites are released when the count falls back to 0.
#ifndef QT_FRAME_SUITES_H
#define QT_FRAME_SUITES_H

#include "sdk/quen_tarb_sdk.h"

// One entry of a suite list. A terminator (null name) ends the list, unless its version is
// kOptionalSuitesMarker: then the entries up to the next terminator are optional.
struct ImportSuite {
    const char* name;
    ASInt32 version;
    const void** suite;
};

constexpr ASInt32 kOptionalSuitesMarker = QT_FOURCC('O', 'P', 'T', 'S');

// AI suites ask for their version plus the Mac offset on the Mac build.
#if defined(__APPLE__)
constexpr ASInt32 kAISuiteVersionOffset = kAIMacSuiteVersionOffset;
#else
constexpr ASInt32 kAISuiteVersionOffset = 0;
#endif

extern ImportSuite gBasicSuites[];
extern ImportSuite gImportSuites[];

class Suites {
  public:
    // Acquires the basic suites, then the import suites, unless another Suites object
    // already holds them. The first failing required suite stops and is kept in Error().
    Suites() noexcept;
    // At a count of 0, releases every held suite and nulls its pointer.
    ~Suites();
    Suites(const Suites&) = delete;
    Suites& operator=(const Suites&) = delete;

    ASErr Error() const { return fError; }
    // After start-up or reload exactly one owner holds the suites.
    void InitializeRefCount() { fAcquiredCount = 1; }
    // Retries every optional suite that is not held yet.
    void AcquireOptionalSuites();

  private:
    ASErr fError = kNoErr;
    static ASInt32 fAcquiredCount;
};

#endif
