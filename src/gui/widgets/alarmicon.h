// The bell beside a clock that has the alarm set: 12 by 11, with a picture
// drawn for scale 2 beside the one for scale 1.
#pragma once

#include <QIcon>

QIcon AlarmIcon();
