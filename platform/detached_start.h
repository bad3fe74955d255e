#pragma once
#include <string>

#include "platform/process_start.h"

namespace platform {

// Starts programs as detached processes, looked up in `own_folder` (the
// folder of the running program) first and then along `search_path`.
class DetachedStart : public ProcessStart {
  public:
    DetachedStart(std::string own_folder, std::string search_path);

    std::optional<Failure> start(const std::string& program,
                                 const std::vector<std::string>& arguments) override;

  private:
    std::string own_folder_;
    std::string search_path_;
};

}  // namespace platform
