// One include for the whole host interface.
#ifndef QT_SDK_QUENTARBSDK_H
#define QT_SDK_QUENTARBSDK_H

#include "ADMSuites.h"
#include "AISuites.h"
#include "AITypes.h"
#include "ASTypes.h"
#include "Messages.h"
#include "QuenTarbNames.h"
#include "SPBasic.h"
#include "SPSuites.h"

#endif
