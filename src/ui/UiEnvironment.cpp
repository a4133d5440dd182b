#include "ui/UiEnvironment.h"

namespace vexmo::ui {

namespace {
UiEnvironment& Storage() {
    static UiEnvironment env;
    return env;
}
}  // namespace

UiEnvironment& Env() {
    return Storage();
}

void SetEnv(UiEnvironment env) {
    Storage() = std::move(env);
}

}  // namespace vexmo::ui
