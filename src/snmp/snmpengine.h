#pragma once

#include "snmp/ctarget.h"
#include "snmp/pdu.h"

#include <atomic>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>

class WakeupPipe;

// Request types, as the SNMP library numbers them.
enum class SnmpRequestType { Get, GetNext, Set };

// Owns every call into the SNMP library. The library keeps global state and
// is not built thread-safe, so one I/O thread of ours opens the sessions,
// sends the requests, waits for the answers and runs their handlers; the
// workers only queue requests and wait for their own answer.
//
// A channel is one worker's session. Its library session is opened on the
// first request and opened again when the target's address, version,
// community, retries or time-out change.
class SnmpEngine final
{
public:
    // Handler of an answer, run on the I/O thread: the status and, on
    // success, the response bindings.
    using Handler = std::function<void(int status, Pdu &&response)>;

    // The process-wide engine, started on first use. It is never destroyed:
    // workers that outlive the main window may still be waiting on it.
    static SnmpEngine &instance();

    int openChannel();
    void closeChannel(int channel);

    // Queues a request; handler runs on the I/O thread once it is answered,
    // timed out or failed.
    void submit(int channel, const CTarget &target, SnmpRequestType type, const Pdu &pdu,
                Handler handler);

    // Sends a request and waits for its outcome. On success pdu receives the
    // response bindings; on failure pdu is left as it was.
    int request(int channel, const CTarget &target, SnmpRequestType type, Pdu &pdu);

    // Number of requests sent to the network since start (for tests).
    long requestsSent() const;

private:
    SnmpEngine();
    ~SnmpEngine() = delete;

    struct Command
    {
        enum Kind { Send, Close } kind = Send;
        int channel = 0;
        CTarget target;
        SnmpRequestType type = SnmpRequestType::Get;
        Pdu pdu;
        Handler handler;
    };
    struct SessionKey
    {
        std::string peer;
        int version = 0;
        std::string community;
        int retries = 0;
        unsigned long timeout = 0;
        friend bool operator==(const SessionKey &, const SessionKey &) = default;
    };
    struct Channel
    {
        void *session = nullptr;
        SessionKey key;
        bool closing = false;
    };
    struct Pending
    {
        int channel = 0;
        void *session = nullptr;
        SnmpRequestType type = SnmpRequestType::Get;
        Handler handler;
    };

    void post(Command command);
    void run();
    void initLibrary();
    void handle(Command &command);
    void send(Command &command);
    void *sessionFor(Channel &channel, const CTarget &target, SnmpRequestType type, int &status);
    void retire(void *session);
    void closeRetired();
    static int callback(int operation, struct snmp_session *session, int reqid,
                        struct snmp_pdu *pdu, void *magic);

    std::mutex m_mutex;
    std::deque<Command> m_queue;
    int m_nextChannel = 1;
    WakeupPipe *m_wake = nullptr;
    std::thread m_thread;

    // I/O thread only.
    std::unordered_map<int, Channel> m_channels;
    std::map<void *, int> m_pendingBySession;
    std::map<void *, bool> m_retired;
    std::unordered_map<uintptr_t, Pending> m_pending;
    uintptr_t m_nextRequest = 1;
    std::atomic<long> m_sent{0};
};
