#include "download/RunDownload.h"

#include <algorithm>

namespace tavo::link {

TransferResult RunDownload(std::vector<uint8_t> image, std::vector<uint8_t> driver,
                           const TransferOptions& options, Transport& port,
                           TransferCallbacks callbacks, const std::function<bool()>& shouldCancel) {
  TransferSession session(port, options, std::move(callbacks));
  if (!session.Start(std::move(image), std::move(driver))) return session.Wait();
  const auto poll = std::max<std::chrono::milliseconds>(
      std::chrono::duration_cast<std::chrono::milliseconds>(options.tick),
      std::chrono::milliseconds(1));
  while (!session.WaitFor(poll)) {
    if (shouldCancel && shouldCancel()) session.Cancel();
  }
  return session.Wait();
}

}  // namespace tavo::link
