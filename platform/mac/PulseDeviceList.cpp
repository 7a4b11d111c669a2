#include "platform/mac/PulseDeviceList.h"

#include <QElapsedTimer>

#include <pulse/pulseaudio.h>

namespace {

struct Answer
{
    PulseDevices devices;
    QByteArray defaultSource;
    QByteArray defaultSink;
    int pending = 0;
};

void onServerInfo(pa_context *, const pa_server_info *info, void *data)
{
    auto *answer = static_cast<Answer *>(data);
    if (info) {
        answer->defaultSource = info->default_source_name ? QByteArray(info->default_source_name) : QByteArray();
        answer->defaultSink = info->default_sink_name ? QByteArray(info->default_sink_name) : QByteArray();
    }
    --answer->pending;
}

void onSourceInfo(pa_context *, const pa_source_info *info, int eol, void *data)
{
    auto *answer = static_cast<Answer *>(data);
    if (eol) {
        --answer->pending;
        return;
    }
    // Monitors record what an output plays: they are not inputs (Qt leaves them out too).
    if (info && info->monitor_of_sink == PA_INVALID_INDEX)
        answer->devices.inputs.append({QByteArray(info->name), QString::fromUtf8(info->description), false});
}

void onSinkInfo(pa_context *, const pa_sink_info *info, int eol, void *data)
{
    auto *answer = static_cast<Answer *>(data);
    if (eol) {
        --answer->pending;
        return;
    }
    if (info)
        answer->devices.outputs.append({QByteArray(info->name), QString::fromUtf8(info->description), false});
}

void markDefault(QList<PulseDevice> &devices, const QByteArray &name)
{
    for (PulseDevice &device : devices)
        device.isDefault = device.id == name;
}

} // namespace

PulseDevice PulseDevices::defaultInput() const
{
    for (const PulseDevice &device : inputs)
        if (device.isDefault)
            return device;
    return {};
}

PulseDevices PulseDeviceList::query(int timeoutMs)
{
    Answer answer;
    pa_mainloop *loop = pa_mainloop_new();
    if (!loop)
        return {};
    pa_context *context = pa_context_new(pa_mainloop_get_api(loop), "Vistrelle");
    if (context && pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0) {
        QElapsedTimer timer;
        timer.start();
        bool asked = false;
        while (timer.elapsed() < timeoutMs) {
            const pa_context_state_t state = pa_context_get_state(context);
            if (state == PA_CONTEXT_FAILED || state == PA_CONTEXT_TERMINATED)
                break;
            if (state == PA_CONTEXT_READY && !asked) {
                asked = true;
                answer.pending = 3;
                for (pa_operation *operation : {pa_context_get_server_info(context, onServerInfo, &answer),
                                                pa_context_get_source_info_list(context, onSourceInfo, &answer),
                                                pa_context_get_sink_info_list(context, onSinkInfo, &answer)}) {
                    if (operation)
                        pa_operation_unref(operation);
                    else
                        --answer.pending;
                }
            }
            if (asked && answer.pending <= 0) {
                answer.devices.reachable = true;
                break;
            }
            // Blocks until something arrives, at most a few milliseconds.
            if (pa_mainloop_prepare(loop, 5000) < 0 || pa_mainloop_poll(loop) < 0 || pa_mainloop_dispatch(loop) < 0)
                break;
        }
        pa_context_disconnect(context);
    }
    if (context)
        pa_context_unref(context);
    pa_mainloop_free(loop);
    if (!answer.devices.reachable)
        return {};
    markDefault(answer.devices.inputs, answer.defaultSource);
    markDefault(answer.devices.outputs, answer.defaultSink);
    return answer.devices;
}
