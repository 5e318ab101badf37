#pragma once

#include <QObject>
#include <functional>

// The sender of an event, as handlers receive it.
using TObject = QObject;

using TNotifyEvent = std::function<void(TObject* Sender)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;
