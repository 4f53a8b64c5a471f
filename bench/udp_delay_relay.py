#!/usr/bin/env python3
"""A UDP relay that delays every datagram by a fixed time each way, as a
LAN between manager and agent would, without serialising them: each
datagram is scheduled on its own, so requests in flight overlap."""
import argparse
import asyncio


class Front(asyncio.DatagramProtocol):
    def __init__(self, agent, delay):
        self.agent, self.delay, self.backs = agent, delay, {}

    def connection_made(self, transport):
        self.transport = transport

    def datagram_received(self, data, client):
        loop = asyncio.get_running_loop()
        loop.call_later(self.delay, lambda: asyncio.ensure_future(self.forward(data, client)))

    async def forward(self, data, client):
        back = self.backs.get(client)
        if back is None:
            loop = asyncio.get_running_loop()
            back, _ = await loop.create_datagram_endpoint(
                lambda: Back(self, client), remote_addr=self.agent)
            self.backs[client] = back
        back.sendto(data)


class Back(asyncio.DatagramProtocol):
    def __init__(self, front, client):
        self.front, self.client = front, client

    def datagram_received(self, data, _addr):
        loop = asyncio.get_running_loop()
        loop.call_later(self.front.delay, self.front.transport.sendto, data, self.client)


async def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--listen", required=True, help="address:port to serve on")
    parser.add_argument("--agent", required=True, help="address:port of the agent")
    parser.add_argument("--delay-ms", type=float, default=1.0)
    parser.add_argument("--seconds", type=float, default=600, help="stop after this long")
    args = parser.parse_args()
    host, port = args.listen.rsplit(":", 1)
    ahost, aport = args.agent.rsplit(":", 1)
    loop = asyncio.get_running_loop()
    await loop.create_datagram_endpoint(
        lambda: Front((ahost, int(aport)), args.delay_ms / 1000.0), local_addr=(host, int(port)))
    await asyncio.sleep(args.seconds)


if __name__ == "__main__":
    asyncio.run(main())
