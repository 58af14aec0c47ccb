#include "answers/AnswerServer.h"

#include <QCoreApplication>

#include <utility>

AnswerServer::AnswerServer(QObject *parent) : QObject(parent), m_server(new PupilServer)
{
    m_thread.setObjectName(QStringLiteral("Class Answers"));
    m_server->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_server, &QObject::deleteLater);
    connect(m_server, &PupilServer::devicesChanged, this, [this](int devices) {
        m_devices = devices;
        emit devicesChanged(devices);
    });
    connect(m_server, &PupilServer::codeChanged, this, [this](const QString &code) {
        m_code = code;
        emit codeChanged(code);
    });
    connect(m_server, &PupilServer::joined, this, &AnswerServer::joined);
    connect(m_server, &PupilServer::left, this, &AnswerServer::left);
    connect(m_server, &PupilServer::answerGiven, this, &AnswerServer::answerGiven);
    connect(m_server, &PupilServer::nameGiven, this, &AnswerServer::nameGiven);
    m_thread.start();
}

AnswerServer::~AnswerServer()
{
    stop();
    m_thread.quit();
    m_thread.wait();
}

bool AnswerServer::start(const QList<QHostAddress> &addresses)
{
    bool started = false;
    QMetaObject::invokeMethod(m_server, [&] {
        started = m_server->start(addresses);
        m_port = m_server->port();
        m_code = m_server->joinCode();
    }, Qt::BlockingQueuedConnection);
    return started;
}

void AnswerServer::stop()
{
    if (!isListening())
        return;
    QMetaObject::invokeMethod(m_server, [this] { m_server->stop(); }, Qt::BlockingQueuedConnection);
    m_port = 0;
    // What the network's thread said before it stopped is out of date.
    QCoreApplication::removePostedEvents(this);
    if (std::exchange(m_devices, 0) > 0)
        emit devicesChanged(0);
}

void AnswerServer::setBoards(const PupilBoards &boards, bool atOnce)
{
    QMetaObject::invokeMethod(m_server, [server = m_server, boards, atOnce] { server->setBoards(boards, atOnce); });
}

void AnswerServer::sendTo(const QString &device, const QByteArray &text)
{
    QMetaObject::invokeMethod(m_server, [server = m_server, device, text] { server->sendTo(device, text); });
}

void AnswerServer::refuseTo(const QString &device, const QString &text, const char *about)
{
    QMetaObject::invokeMethod(m_server, [server = m_server, device, text, about] { server->refuseTo(device, text, about); });
}
