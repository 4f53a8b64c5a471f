#include "snmp/snmpengine.h"

#include "platform/wakeuppipe.h"
#include "snmp/snmpstatus.h"

#include <QByteArray>
#include <QtGlobal>

#include <future>

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

SnmpEngine &SnmpEngine::instance()
{
    static SnmpEngine *engine = new SnmpEngine;
    return *engine;
}

SnmpEngine::SnmpEngine() : m_wake(new WakeupPipe)
{
    // No MIB files: objects are always named by number, and loading MIBs
    // costs start-up time and prints warnings for missing modules.
    qputenv("MIBS", QByteArray());
    qputenv("MIBDIRS", QByteArray());
    m_thread = std::thread([this] { run(); });
    m_thread.detach();
}

void SnmpEngine::initLibrary()
{
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_LOAD_HOST_FILES, 1);
    snmp_disable_log();
    init_snmp("tnm");
    snmp_disable_log();
}

int SnmpEngine::openChannel()
{
    std::lock_guard lock(m_mutex);
    return m_nextChannel++;
}

void SnmpEngine::closeChannel(int channel)
{
    Command command;
    command.kind = Command::Close;
    command.channel = channel;
    post(std::move(command));
}

void SnmpEngine::submit(int channel, const CTarget &target, SnmpRequestType type, const Pdu &pdu,
                        Handler handler)
{
    Command command;
    command.channel = channel;
    command.target = target;
    command.type = type;
    command.pdu = pdu;
    command.handler = std::move(handler);
    post(std::move(command));
}

int SnmpEngine::request(int channel, const CTarget &target, SnmpRequestType type, Pdu &pdu)
{
    std::promise<std::pair<int, Pdu>> answer;
    auto outcome = answer.get_future();
    submit(channel, target, type, pdu, [&answer](int status, Pdu &&response) {
        answer.set_value({status, std::move(response)});
    });
    auto [status, response] = outcome.get();
    if (status == SNMP_CLASS_SUCCESS)
        pdu = std::move(response);
    return status;
}

long SnmpEngine::requestsSent() const
{
    return m_sent;
}

void SnmpEngine::post(Command command)
{
    {
        std::lock_guard lock(m_mutex);
        m_queue.push_back(std::move(command));
    }
    m_wake->wake();
}

void SnmpEngine::run()
{
    initLibrary();
    for (;;) {
        std::deque<Command> commands;
        {
            std::lock_guard lock(m_mutex);
            commands.swap(m_queue);
        }
        for (Command &command : commands)
            handle(command);

        int fdCount = 0;
        int block = 1;
        fd_set fds;
        FD_ZERO(&fds);
        timeval timeout{};
        snmp_select_info(&fdCount, &fds, &timeout, &block);
        FD_SET(m_wake->readFd(), &fds);
        fdCount = std::max(fdCount, m_wake->readFd() + 1);
        const int ready = select(fdCount, &fds, nullptr, nullptr, block ? nullptr : &timeout);
        if (ready > 0) {
            if (FD_ISSET(m_wake->readFd(), &fds))
                m_wake->drain();
            snmp_read(&fds);
        }
        // Retries and time-outs are due even while other sessions keep the
        // sockets busy, so they are checked on every turn.
        snmp_timeout();
        closeRetired();
    }
}

void SnmpEngine::handle(Command &command)
{
    if (command.kind == Command::Send) {
        send(command);
        return;
    }
    auto it = m_channels.find(command.channel);
    if (it == m_channels.end())
        return;
    if (it->second.session)
        retire(it->second.session);
    m_channels.erase(it);
}

static int libraryVersion(snmp_version version)
{
    return version == version2c ? SNMP_VERSION_2c : SNMP_VERSION_1;
}

void *SnmpEngine::sessionFor(Channel &channel, const CTarget &target, SnmpRequestType type,
                              int &status)
{
    SessionKey key{target.get_address().peerName(), libraryVersion(target.get_version()),
                   type == SnmpRequestType::Set ? target.get_writecommunity()
                                                : target.get_readcommunity(),
                   target.get_retry(), target.get_timeout()};
    if (channel.session && channel.key == key)
        return channel.session;
    if (channel.session) {
        retire(channel.session);
        channel.session = nullptr;
    }
    netsnmp_session settings;
    snmp_sess_init(&settings);
    settings.peername = const_cast<char *>(key.peer.c_str());
    settings.version = key.version;
    settings.community = reinterpret_cast<u_char *>(const_cast<char *>(key.community.data()));
    settings.community_len = key.community.size();
    settings.retries = key.retries;
    settings.timeout = long(key.timeout) * 10000L;
    netsnmp_session *session = snmp_open(&settings);
    if (!session) {
        status = SNMP_CLASS_TL_FAILED;
        return nullptr;
    }
    channel.session = session;
    channel.key = std::move(key);
    return session;
}

// Marks a library session for closing; closeRetired() closes it once no
// request of it is outstanding. Sessions are never closed from inside the
// library's own read loop.
void SnmpEngine::retire(void *session)
{
    m_retired[session] = true;
}

void SnmpEngine::closeRetired()
{
    for (auto it = m_retired.begin(); it != m_retired.end();) {
        auto pending = m_pendingBySession.find(it->first);
        if (pending != m_pendingBySession.end() && pending->second > 0) {
            ++it;
            continue;
        }
        if (pending != m_pendingBySession.end())
            m_pendingBySession.erase(pending);
        snmp_close(static_cast<netsnmp_session *>(it->first));
        it = m_retired.erase(it);
    }
}

static int pduTypeOf(SnmpRequestType type)
{
    switch (type) {
    case SnmpRequestType::Get:
        return SNMP_MSG_GET;
    case SnmpRequestType::GetNext:
        return SNMP_MSG_GETNEXT;
    case SnmpRequestType::Set:
        return SNMP_MSG_SET;
    }
    return SNMP_MSG_GET;
}

static bool addBinding(netsnmp_pdu *pdu, const Vb &vb, SnmpRequestType type)
{
    std::vector<oid> name(vb.oid().ids().begin(), vb.oid().ids().end());
    if (type != SnmpRequestType::Set)
        return snmp_add_null_var(pdu, name.data(), name.size()) != nullptr;
    switch (vb.get_syntax()) {
    case SnmpSyntax::Integer: {
        long value = long(vb.number());
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_INTEGER, &value, sizeof value);
    }
    case SnmpSyntax::Counter32:
    case SnmpSyntax::Gauge32:
    case SnmpSyntax::TimeTicks: {
        u_long value = u_long(vb.number());
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), u_char(vb.get_syntax()), &value,
                                     sizeof value);
    }
    case SnmpSyntax::OctetString:
    case SnmpSyntax::IpAddress:
    case SnmpSyntax::Opaque:
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), u_char(vb.get_syntax()),
                                     vb.octets().data(), vb.octets().size());
    case SnmpSyntax::ObjectId: {
        std::vector<oid> value(vb.oidValue().ids().begin(), vb.oidValue().ids().end());
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_OBJECT_ID, value.data(),
                                     value.size() * sizeof(oid));
    }
    default:
        return snmp_add_null_var(pdu, name.data(), name.size()) != nullptr;
    }
}

static Vb bindingOf(const netsnmp_variable_list *var)
{
    Vb vb(Oid(std::vector<uint32_t>(var->name, var->name + var->name_length)));
    switch (var->type) {
    case ASN_INTEGER:
        vb.set_value(SnmpInt32(int32_t(*var->val.integer)));
        break;
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
        vb.set_value(SnmpSyntax(var->type), uint64_t(uint32_t(*var->val.integer)));
        break;
    case ASN_COUNTER64:
        vb.set_value(SnmpSyntax::Counter64,
                     (uint64_t(var->val.counter64->high) << 32) | uint32_t(var->val.counter64->low));
        break;
    case ASN_OCTET_STR:
    case ASN_IPADDRESS:
    case ASN_OPAQUE:
        vb.set_value(SnmpSyntax(var->type),
                     std::string(reinterpret_cast<const char *>(var->val.string), var->val_len));
        break;
    case ASN_OBJECT_ID:
        vb.set_value(Oid(std::vector<uint32_t>(var->val.objid, var->val.objid + var->val_len / sizeof(oid))));
        break;
    case SNMP_NOSUCHOBJECT:
    case SNMP_NOSUCHINSTANCE:
    case SNMP_ENDOFMIBVIEW:
        vb.set_value(SnmpSyntax(var->type), uint64_t(0));
        break;
    default:
        vb.set_null();
        break;
    }
    return vb;
}

void SnmpEngine::send(Command &command)
{
    int status = SNMP_CLASS_SUCCESS;
    if (!command.target.valid()) {
        command.handler(SNMP_CLASS_INVALID_ADDRESS, Pdu());
        return;
    }
    Channel &channel = m_channels[command.channel];
    void *session = sessionFor(channel, command.target, command.type, status);
    if (!session) {
        command.handler(status, Pdu());
        return;
    }
    netsnmp_pdu *pdu = snmp_pdu_create(pduTypeOf(command.type));
    for (const Vb &vb : command.pdu.vbs()) {
        if (!vb.oid().valid() || !addBinding(pdu, vb, command.type)) {
            snmp_free_pdu(pdu);
            command.handler(SNMP_CLASS_INVALID_PDU, Pdu());
            return;
        }
    }
    // The library is handed a request number, not a pointer: it may report
    // a request more than once (again when its session closes), and only
    // the first report counts.
    const uintptr_t id = m_nextRequest++;
    m_pending.emplace(id, Pending{command.channel, session, command.type, std::move(command.handler)});
    if (!snmp_async_send(static_cast<netsnmp_session *>(session), pdu, &SnmpEngine::callback,
                         reinterpret_cast<void *>(id))) {
        snmp_free_pdu(pdu);
        Handler handler = std::move(m_pending[id].handler);
        m_pending.erase(id);
        handler(SNMP_CLASS_TL_FAILED, Pdu());
        return;
    }
    ++m_sent;
    ++m_pendingBySession[session];
}

int SnmpEngine::callback(int operation, snmp_session *, int, snmp_pdu *pdu, void *magic)
{
    // A retry is only announced; the request stays outstanding.
    if (operation == NETSNMP_CALLBACK_OP_RESEND)
        return 1;
    SnmpEngine &engine = SnmpEngine::instance();
    const auto pending = engine.m_pending.find(reinterpret_cast<uintptr_t>(magic));
    if (pending == engine.m_pending.end())
        return 1;
    Pdu response;
    int status = SNMP_CLASS_SUCCESS;
    if (operation == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE && pdu) {
        if (pdu->errstat != SNMP_ERR_NOERROR) {
            status = int(pdu->errstat);
        } else {
            for (const netsnmp_variable_list *var = pdu->variables; var; var = var->next_variable) {
                Vb vb = bindingOf(var);
                // A v2c exception value stands for what v1 reports as
                // noSuchName, so callers see the same status either way.
                if (vb.isException())
                    status = SNMP_ERROR_NO_SUCH_NAME;
                response += vb;
            }
        }
    } else if (operation == NETSNMP_CALLBACK_OP_TIMED_OUT) {
        status = SNMP_CLASS_TIMEOUT;
    } else if (operation == NETSNMP_CALLBACK_OP_SEND_FAILED) {
        status = SNMP_CLASS_TL_FAILED;
    } else {
        status = SNMP_CLASS_SESSION_DESTROYED;
    }
    void *session = pending->second.session;
    Handler handler = std::move(pending->second.handler);
    engine.m_pending.erase(pending);
    --engine.m_pendingBySession[session];
    handler(status, std::move(response));
    return 1;
}
