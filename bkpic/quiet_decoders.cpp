#include "bkpic/quiet_decoders.h"

#include <fcntl.h>
#include <unistd.h>

#include <QtGlobal>
#include <cstdio>
#include <cstring>
#include <iostream>

namespace bkpic {
namespace {

QtMessageHandler handler_before = nullptr;

void drop_or_pass(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (context.category != nullptr && std::strncmp(context.category, "qt.gui.imageio", 14) == 0)
        return;
    if (handler_before != nullptr) handler_before(type, context, message);
}

}  // namespace

void drop_image_io_messages() {
    handler_before = qInstallMessageHandler(drop_or_pass);
}

SilencedStandardError::SilencedStandardError() : saved_(-1) {
    std::cerr.flush();
    std::fflush(stderr);
    const int nothing = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (nothing < 0) return;
    saved_ = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
    if (saved_ >= 0 && ::dup2(nothing, STDERR_FILENO) < 0) {
        ::close(saved_);
        saved_ = -1;
    }
    ::close(nothing);
}

SilencedStandardError::~SilencedStandardError() {
    if (saved_ < 0) return;
    std::fflush(stderr);
    ::dup2(saved_, STDERR_FILENO);
    ::close(saved_);
}

}  // namespace bkpic
