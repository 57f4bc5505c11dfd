#pragma once

// Resource ids shared by ruvo.rc and the code.
#define IDI_RUVO 1
