#include "table/app_error.h"

#include "platform/services.h"
#include "table/game_state.h"

namespace brackwell {

std::string applicationErrorText(const std::string& description, const std::string& procedure,
                                 int line) {
    return description + "\r\n" + "in BrackwellGame2021/08/31.Form1." + procedure + " " +
           "at line " + std::to_string(line) + "\r\r" +
           "Please email screenshot of this message to " + kSupportAddress;
}

void Form1::reportFailure(const char* procedure, const plat::AppFailure& failure) {
    sys.msgBox(applicationErrorText(failure.description(), procedure,
                                    static_cast<int>(failure.where().line())),
               plat::kMsgExclamation, kApplicationErrorTitle);
}

}  // namespace brackwell
