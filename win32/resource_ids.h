#pragma once

// Numbers of the resources that the resource scripts (resources.rc.in, app/vortalin.rc.in)
// and the code share. A resource script reads only the preprocessor's names, so these are
// macros.
#define VORTALIN_APPLICATION_ICON 1
#define VORTALIN_COURSE_PICTURE 201
#define VORTALIN_PLAYER_CAR_PICTURE 202
#define VORTALIN_RIVAL_CAR_PICTURE 203
