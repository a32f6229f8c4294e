#include "sdk/a.h"
