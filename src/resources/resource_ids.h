// Identifiers of the pictures compiled into the program. Shared by the resource script and the code.
#pragma once

#define IDI_TINTORA 1
#define IDC_EYEDROPPER 101
#define IDB_ARROW 102
