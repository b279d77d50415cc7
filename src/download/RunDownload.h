#pragma once

// The one call a command-line download makes: run a whole transfer and return
// its result. The editor, which must stay responsive, drives a TransferSession
// itself.

#include <functional>
#include <vector>

#include "download/TransferSession.h"

namespace tavo::link {

// Sends `image` (and `driver` when the panel needs it) over `port`. Messages
// go to `callbacks.message`, or to CurrentPrompter() when it is empty.
// `shouldCancel`, when given, is polled about every tick from the calling
// thread (a Ctrl-C flag, for instance); true cancels the transfer.
TransferResult RunDownload(std::vector<uint8_t> image, std::vector<uint8_t> driver,
                           const TransferOptions& options, Transport& port,
                           TransferCallbacks callbacks,
                           const std::function<bool()>& shouldCancel = {});

}  // namespace tavo::link
