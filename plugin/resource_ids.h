// Resource identifiers shared by the code and the resource script.
#pragma once

#define IDS_CONNECTION_STRING 65000
#define IDS_MEMBER_NOTICE 65002
#define IDS_TOOLTIPS_CLASS 65003
#define IDS_VNXFSYS_NOT_LOADED 65010
#define IDS_VNXFSYS_OUTDATED 65011
