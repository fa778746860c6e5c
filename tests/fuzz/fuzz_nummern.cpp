// SPDX-License-Identifier: GPL-3.0-or-later
// Number lists of question lists ("5 10-20 300"): which numbers they name.
#include "catalogue/lists.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const u16 text = fuzz::Latin1(data, size);
  for (int n : {-1, 0, 1, 5, 99, 100, 500, 998, 999, 1000}) NummerInListe(n, text);
  return 0;
}
