#pragma once
// The release's name and number, shared by the version records of every executable and by
// the packaging scripts (which read TKN_VERSION_TEXT from here).

#define TKN_VERSION_NUMBERS 5, 1, 0, 0
#define TKN_VERSION_TEXT "5.1a"
#define TKN_PRODUCT_NAME "Tacknote"
#define TKN_COMPANY_NAME "The Tacknote developers"
#define TKN_COPYRIGHT "Copyright (C) 2026 The Tacknote developers"
