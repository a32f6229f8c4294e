// The dialog manager (ADM) suites: dialogs, items, popup lists and entries, icons,
// modifier state, alerts, index strings and cursors.
#ifndef QT_SDK_ADMSUITES_H
#define QT_SDK_ADMSUITES_H

#include "sp_basic.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct _ADMDialog* ADMDialogRef;
typedef struct _ADMItem* ADMItemRef;
typedef struct _ADMList* ADMListRef;
typedef struct _ADMEntry* ADMEntryRef;
typedef struct _ADMNotifier* ADMNotifierRef;
typedef struct _ADMIcon* ADMIconRef;
typedef struct _ADMTracker* ADMTrackerRef;

// Pixels relative to the dialog (items) or the screen (dialogs). This build passes
// left, top, right, bottom as 32-bit values.
typedef struct ADMRect {
    ASInt32 left;
    ASInt32 top;
    ASInt32 right;
    ASInt32 bottom;
} ADMRect;

typedef ASErr (*ADMDialogInitProc)(ADMDialogRef dialog);
typedef void (*ADMItemNotifyProc)(ADMItemRef item, ADMNotifierRef notifier);

// Item types.
#define kADMTextStaticType "ADM Text Static Type"
#define kADMSpinEditType "ADM Spin Edit Type"
#define kADMTextCheckBoxType "ADM Text Check Box Type"
#define kADMPopupListType "ADM Popup List Type"
#define kADMTextPushButtonType "ADM Text Push Button Type"

#define kADMUserChangedNotifier "ADM User Changed Notifier"

// Dialog styles.
enum { kADMFloatingDialogStyle = 2, kADMTabbedFloatingDialogStyle = 3 };

enum { kADMNoUnits = 0 };

// Icon type the host gives an image it cannot use.
enum { kADMUnknownIconType = 7 };

#define kADMBasicSuite "ADM Basic Suite"
#define kADMBasicSuiteVersion 10
#define kADMBasicSuiteVersion2 2
typedef struct ADMBasicSuite {
    // Entry `index` (from 1) of the index-string list `listID`; an empty string when missing.
    ASErr (*GetIndexString)(SPPluginRef plugin, ASInt32 listID, ASInt32 index, char* buffer,
                            ASInt32 bufferSize);
    void (*MessageAlert)(const char* text);
    void (*AboutBox)(SPPluginRef plugin, const char* text1, const char* text2);
    void (*ShowModalMessage)(const char* caption, const char* text);
    ASErr (*SetPlatformCursor)(SPPluginRef plugin, ASInt32 cursorID);
} ADMBasicSuite;

#define kADMIconSuite "ADM Icon Suite"
#define kADMIconSuiteVersion 1
typedef struct ADMIconSuite {
    // Image `listID` + `index` of the plug-in's resources; null when missing.
    ADMIconRef (*GetFromResource)(SPPluginRef plugin, ASInt32 listID, ASInt32 index);
    ASInt32 (*GetType)(ADMIconRef icon);
    void (*Destroy)(ADMIconRef icon);
} ADMIconSuite;

#define kADMTrackerSuite "ADM Tracker Suite"
#define kADMTrackerSuiteVersion 2
typedef struct ADMTrackerSuite {
    // A null tracker means the event in progress.
    ASUInt32 (*GetModifiers)(ADMTrackerRef tracker);
} ADMTrackerSuite;

#define kADMDialogSuite "ADM Dialog Suite"
#define kADMDialogSuiteVersion 10
typedef struct ADMDialogSuite {
    ADMDialogRef (*Create)(SPPluginRef plugin, const char* name, ASInt32 dialogID, ASInt32 style,
                           ADMDialogInitProc initProc, void* userData, ASInt32 options);
    void (*Show)(ADMDialogRef dialog, ASBoolean show);
    ADMItemRef (*GetItem)(ADMDialogRef dialog, ASInt32 itemID);
    ADMItemRef (*CreateItem)(ADMDialogRef dialog, ASInt32 itemID, const char* itemType, const ADMRect* bounds,
                             void* initProc, void* userData, ASInt32 options);
    void (*SetBoundsRect)(ADMDialogRef dialog, const ADMRect* bounds);
    void (*GetBoundsRect)(ADMDialogRef dialog, ADMRect* bounds);
    void (*Size)(ADMDialogRef dialog, ASInt32 width, ASInt32 height);
    void (*SetText)(ADMDialogRef dialog, const char* text);
    void (*SetIcon)(ADMDialogRef dialog, ASInt32 index, ADMIconRef icon);
} ADMDialogSuite;

#define kADMItemSuite "ADM Item Suite"
#define kADMItemSuiteVersion 7
typedef struct ADMItemSuite {
    ADMDialogRef (*GetDialog)(ADMItemRef item);
    ASInt32 (*GetID)(ADMItemRef item);
    void (*DefaultNotify)(ADMItemRef item, ADMNotifierRef notifier);
    void (*SetNotifyProc)(ADMItemRef item, ADMItemNotifyProc proc);
    // Sends a notification of the given type to the item, running its procedure.
    void (*SendNotify)(ADMItemRef item, const char* notifierType);
    void (*Show)(ADMItemRef item, ASBoolean show);
    void (*Enable)(ADMItemRef item, ASBoolean enable);
    void (*SetText)(ADMItemRef item, const char* text);
    void (*SetUnits)(ADMItemRef item, ASInt32 units);
    void (*SetPrecision)(ADMItemRef item, ASInt32 decimals);
    void (*SetMinIntValue)(ADMItemRef item, ASInt32 value);
    void (*SetMaxIntValue)(ADMItemRef item, ASInt32 value);
    void (*SetMinFloatValue)(ADMItemRef item, AIReal value);
    void (*SetMaxFloatValue)(ADMItemRef item, AIReal value);
    void (*SetIntValue)(ADMItemRef item, ASInt32 value);
    ASInt32 (*GetIntValue)(ADMItemRef item);
    void (*SetFloatValue)(ADMItemRef item, AIReal value);
    AIReal (*GetFloatValue)(ADMItemRef item);
    void (*SetBooleanValue)(ADMItemRef item, ASBoolean value);
    ASBoolean (*GetBooleanValue)(ADMItemRef item);
    ADMListRef (*GetList)(ADMItemRef item);
} ADMItemSuite;

#define kADMListSuite "ADM List Suite"
#define kADMListSuiteVersion 1
typedef struct ADMListSuite {
    ADMEntryRef (*InsertEntry)(ADMListRef list, ASInt32 index);
    ADMEntryRef (*IndexEntry)(ADMListRef list, ASInt32 index);
    ADMEntryRef (*GetActiveEntry)(ADMListRef list);
    ASInt32 (*NumberOfEntries)(ADMListRef list);
} ADMListSuite;

#define kADMEntrySuite "ADM Entry Suite"
#define kADMEntrySuiteVersion 2
typedef struct ADMEntrySuite {
    void (*SetText)(ADMEntryRef entry, const char* text);
    void (*SetID)(ADMEntryRef entry, ASInt32 id);
    ASInt32 (*GetID)(ADMEntryRef entry);
    ASInt32 (*GetIndex)(ADMEntryRef entry);
    // Selecting an entry makes it the popup's active entry.
    void (*Select)(ADMEntryRef entry, ASBoolean select);
} ADMEntrySuite;

#ifdef __cplusplus
}
#endif

#endif
