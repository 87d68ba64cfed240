#pragma once
// `kit`, which writes its PDF through the page output it is given.
#include "cli.h"
#include "commands/cutkit.h"

namespace cli {

// The ribs of a panel nested on sheets: exit 0 written, 1 an error, 2 refused, 64 usage.
// Without a page output the sheets and the list are written, and kit.pdf is not.
int Kit(const Options& options, core::RibDocument& document, const commands::KitPdfOutput& pdf);

}  // namespace cli
