// String resources of the options dialog, shared by its code and the module's resource script.
#pragma once

#define IDS_OPTIONS_CAPTION 65100
#define IDS_OPTIONS_OK 65101
#define IDS_OPTIONS_CANCEL 65102
#define IDS_OPTIONS_COLOR_LABEL 65103
#define IDS_OPTIONS_DEFAULT_COLOR 65104
#define IDS_OPTIONS_SOUND 65105
