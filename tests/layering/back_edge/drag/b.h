#include "frame/a.h"
