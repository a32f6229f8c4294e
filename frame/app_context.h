// AppContext: the host's application context pushed for the plug-in while it handles a
// notification, popped again on every way out (including an exception).
#ifndef QT_FRAME_APPCONTEXT_H
#define QT_FRAME_APPCONTEXT_H

#include "frame/suite_pointers.h"

class AppContext {
  public:
    explicit AppContext(SPPluginRef pluginRef) noexcept {
        if (sAIAppContext != nullptr && sAIAppContext->PushAppContext(pluginRef, &context_) == kNoErr)
            pushed_ = true;
    }
    ~AppContext() {
        if (pushed_ && sAIAppContext != nullptr) sAIAppContext->PopAppContext(context_);
    }
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

  private:
    AIAppContextHandle context_ = nullptr;
    bool pushed_ = false;
};

#endif
