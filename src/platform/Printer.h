#pragma once

#include <cstdint>
#include <limits>
#include <memory>
#include <string_view>

#include "platform/Surface.h"

namespace ruvo::platform {

// The pages of a document to print, counted from 1; to its end unless the
// user gave a last one.
struct PageRange {
    std::int32_t first = 1;
    std::int32_t last = std::numeric_limits<std::int32_t>::max();
};

// A document on its way to the printer the user chose. A step that the
// printer fails throws DeviceUnavailable.
class PrintJob {
  public:
    // A job started and not finished is aborted.
    virtual ~PrintJob() = default;

    // The printable area of a page at the printer's resolution, its
    // top-left corner at (0, 0); each page is drawn there.
    virtual Surface& Page() = 0;
    virtual PageRange Pages() = 0;

    virtual void Start(std::u16string_view name) = 0;
    virtual void StartPage() = 0;
    virtual void EndPage() = 0;
    virtual void Finish() = 0;
    // Ends a started job at once, so that the printer drops it.
    virtual void Abort() noexcept = 0;
};

class Printer {
  public:
    virtual ~Printer() = default;

    // The system's print dialog (printer, copies, pages), the default printer
    // chosen, its paper across the page when `landscape`; nothing when the
    // user cancels. The printer makes the copies. Throws DeviceUnavailable
    // when no printer is set up.
    virtual std::unique_ptr<PrintJob> Choose(bool landscape) = 0;
};

}  // namespace ruvo::platform
