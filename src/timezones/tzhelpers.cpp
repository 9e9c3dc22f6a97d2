#include "tzhelpers.h"
