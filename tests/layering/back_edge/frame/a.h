#include "drag/b.h"
