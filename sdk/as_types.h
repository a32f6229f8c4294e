// Basic value types and error codes shared by the host and the plug-in.
// Plain C layout: both sides of the boundary compile this header.
#ifndef QT_SDK_ASTYPES_H
#define QT_SDK_ASTYPES_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef int32_t ASErr;  // 0 is success
typedef int32_t ASInt32;
typedef uint32_t ASUInt32;
typedef int16_t ASInt16;
typedef uint8_t ASBoolean;   // 0 or 1
typedef uint16_t ASUnicode;  // one UTF-16 code unit
typedef float AIReal;        // the host's real number: single precision

// Four-character codes are written from the most significant byte down: 'ABCD' == 0x41424344.
#define QT_FOURCC(a, b, c, d)                                                  \
    ((ASErr)(((uint32_t)(uint8_t)(a) << 24) | ((uint32_t)(uint8_t)(b) << 16) | \
             ((uint32_t)(uint8_t)(c) << 8) | (uint32_t)(uint8_t)(d)))

enum {
    kNoErr = 0,
    kOutOfMemoryErr = QT_FOURCC('!', 'M', 'E', 'M'),
    kUnhandledMsgErr = QT_FOURCC('!', 'M', 'S', 'G'),
    kCantHappenErr = QT_FOURCC('C', 'A', 'N', 'T'),
    kSPPluginCachesFlushResponse = QT_FOURCC('p', 'F', 'l', 's'),
    kBadToolIconErr = QT_FOURCC('!', 'i', 'c', 'o'),
    // Host-side codes.
    kBadParameterErr = QT_FOURCC('P', 'A', 'R', 'M'),
    kSuiteNotFoundErr = QT_FOURCC('S', '!', 'F', 'd'),
    kBadArtHandleErr = QT_FOURCC('A', 'R', 'T', '?'),
    kNoDocumentErr = QT_FOURCC('D', 'O', 'C', '?'),
    kInjectedFaultErr = QT_FOURCC('F', 'L', 'T', '!'),
    kInvalidStateErr = QT_FOURCC('S', 'T', 'A', '?')
};

#ifdef __cplusplus
}
#endif

#endif
