// One include for the whole host interface.
#ifndef QT_SDK_QUENTARBSDK_H
#define QT_SDK_QUENTARBSDK_H

#include "adm_suites.h"
#include "ai_suites.h"
#include "ai_types.h"
#include "as_types.h"
#include "messages.h"
#include "quen_tarb_names.h"
#include "sp_basic.h"
#include "sp_suites.h"

#endif
