// Resource identifiers shared by the code and the resource script.
#pragma once

#define IDS_CONNECTION_STRING 65000
#define IDS_MEMBER_NOTICE 65002
#define IDS_TOOLTIPS_CLASS 65003
