#include "formatsettings.h"
