#include "platform/qt/QtWindowEndpoint.h"

#include <QSocketNotifier>
#include <cassert>

namespace vorkel {

QtWindowEndpoint::QtWindowEndpoint(std::unique_ptr<WindowEndpoint> endpoint)
    : endpoint_(std::move(endpoint)) {
  assert(endpoint_ && "a QtWindowEndpoint serves an endpoint that exists");
  notifier_ = std::make_unique<QSocketNotifier>(endpoint_->fd(), QSocketNotifier::Read);
  WindowEndpoint* served = endpoint_.get();
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                   [served] { served->servePending(); });
}

QtWindowEndpoint::~QtWindowEndpoint() = default;

}  // namespace vorkel
