// Acquisition and release of the host suites listed in suite_tables.cpp.
#include "frame/suites.h"

#include <initializer_list>

#include "frame/error.h"
#include "frame/suite_pointers.h"

ASInt32 Suites::fAcquiredCount = 0;

namespace {

bool isTerminator(const ImportSuite& entry) { return entry.name == nullptr; }

// Acquires the list's required entries in order, stopping at the first failure; optional
// entries that fail are left null for a later retry.
ASErr acquireList(ImportSuite* list) {
    bool optional = false;
    for (ImportSuite* entry = list;; ++entry) {
        if (isTerminator(*entry)) {
            if (entry->version != kOptionalSuitesMarker) return kNoErr;
            optional = true;
            continue;
        }
        ASErr error = sSPBasic->AcquireSuite(entry->name, entry->version, entry->suite);
        if (error != kNoErr || *entry->suite == nullptr) {
            *entry->suite = nullptr;
            if (!optional) return error != kNoErr ? error : makeError(kSuiteNotFoundErr);
        }
    }
}

// Releases every suite of the list that is held, required or optional.
void releaseList(ImportSuite* list) {
    for (ImportSuite* entry = list;; ++entry) {
        if (isTerminator(*entry)) {
            if (entry->version != kOptionalSuitesMarker) return;
            continue;
        }
        if (*entry->suite != nullptr) {
            if (sSPBasic != nullptr) sSPBasic->ReleaseSuite(entry->name, entry->version);
            *entry->suite = nullptr;
        }
    }
}

}  // namespace

Suites::Suites() noexcept {
    if (fAcquiredCount == 0) {
        if (sSPBasic == nullptr) {
            fError = makeError(kInvalidStateErr);
        } else {
            fError = acquireList(gBasicSuites);
            if (fError == kNoErr) fError = acquireList(gImportSuites);
        }
    }
    ++fAcquiredCount;
}

Suites::~Suites() {
    if (--fAcquiredCount > 0) return;
    fAcquiredCount = 0;
    releaseList(gImportSuites);
    releaseList(gBasicSuites);
}

void Suites::AcquireOptionalSuites() {
    if (sSPBasic == nullptr) return;
    for (ImportSuite* list : {gBasicSuites, gImportSuites}) {
        bool optional = false;
        for (ImportSuite* entry = list;; ++entry) {
            if (isTerminator(*entry)) {
                if (entry->version != kOptionalSuitesMarker) break;
                optional = true;
                continue;
            }
            if (optional && *entry->suite == nullptr &&
                sSPBasic->AcquireSuite(entry->name, entry->version, entry->suite) != kNoErr)
                *entry->suite = nullptr;
        }
    }
}
