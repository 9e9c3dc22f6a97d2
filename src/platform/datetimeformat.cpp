#include "datetimeformat.h"
