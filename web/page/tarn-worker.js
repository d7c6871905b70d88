// The transfer worker: the core's TransferSession, driven by a port's bytes, the clock and the
// page's answers, on a thread of its own so that neither rendering nor a background tab's
// slowed timers touch the protocol's timing. The page starts it from a Blob URL (the only
// kind of worker a page opened from disk may start) holding the core and this function.
'use strict';

// eslint-disable-next-line no-unused-vars
function tarnTransferWorker(scope, options) {
  const now = () => performance.now();

  // Wakes the session at its deadline. Timers are clamped to 4 ms once nested, so the last
  // few milliseconds are waited out on message turns, which are not.
  class Waker {
    constructor() {
      this.token = 0;
      this.channel = new MessageChannel();
      this.channel.port1.onmessage = (event) => this.tick(event.data);
    }

    at(due, wake) {
      const token = ++this.token;
      if (due < 0) return;
      this.due = due;
      this.wake = wake;
      this.tick(token);
    }

    cancel() {
      ++this.token;
    }

    tick(token) {
      if (token !== this.token) return;
      const left = this.due - now();
      if (left <= 0) {
        ++this.token;
        this.wake();
      } else if (left > 6) {
        setTimeout(() => this.tick(token), left - 5);
      } else {
        this.channel.port2.postMessage(token);
      }
    }
  }

  // A yield to the worker's own messages (an answer, Cancel) without a clamped timer.
  function nextTurn() {
    return new Promise((resolve) => {
      const channel = new MessageChannel();
      channel.port1.onmessage = () => { channel.port1.close(); resolve(); };
      channel.port2.postMessage(0);
    });
  }

  // Web Serial: the page opens the port (the chooser needs its click) and hands over the
  // port's streams; the worker gives them back by closing them.
  class SerialPortLine {
    constructor(requestOpen, requestClose) {
      this.requestOpen = requestOpen;
      this.requestClose = requestClose;
    }

    async open() {
      // A retry closes and opens again: the page hears of the two in that order.
      await this.closed;
      const opened = await this.requestOpen();
      if (!opened.ok) return false;
      this.closing = false;
      this.reader = opened.readable.getReader();
      this.writer = opened.writable.getWriter();
      this.readLoop(this.reader);
      return true;
    }

    async readLoop(reader) {
      try {
        for (;;) {
          const {value, done} = await reader.read();
          if (done) break;
          if (value && value.length) this.onBytes(value);
        }
      } catch (error) {
        // Unplugged, or the port failed: told below.
      }
      if (!this.closing && reader === this.reader) this.onLost();
    }

    async write(bytes) {
      try {
        await this.writer.write(bytes);
        return true;
      } catch (error) {
        return false;
      }
    }

    close() {
      if (!this.reader) return this.closed;
      this.closing = true;
      const {reader, writer} = this;
      this.reader = this.writer = null;
      this.closed = (async () => {
        // A port that no longer takes bytes cannot hold its close up for long.
        await Promise.race([Promise.allSettled([reader.cancel(), writer.close()]),
          new Promise((resolve) => setTimeout(resolve, 2000))]);
        for (const side of [reader, writer]) {
          try {
            side.releaseLock();
          } catch (error) {
            // Already released by the failure that ended it.
          }
        }
        await this.requestClose();
      })();
      return this.closed;
    }
  }

  // A serial port through tarn-cli bridge, here or on another computer: binary frames carry
  // the bytes both ways; the bridge says "open" once its port is open and "written" once a
  // write has left it, as a local port's driver would.
  class BridgeLine {
    constructor(url) {
      this.url = url;
      this.writes = [];
    }

    open() {
      return new Promise((resolve) => {
        let socket;
        try {
          socket = new WebSocket(this.url);
        } catch (error) {
          resolve(false);
          return;
        }
        socket.binaryType = 'arraybuffer';
        let opened = false;
        socket.onmessage = (event) => {
          if (typeof event.data !== 'string') this.onBytes(new Uint8Array(event.data));
          else if (event.data === 'written') this.writes.shift()?.(true);
          else if (event.data === 'open' && !opened) {
            opened = true;
            this.socket = socket;
            resolve(true);
          }
        };
        socket.onclose = () => {
          // Refused (origin, token, another page on the port) or the port would not open.
          if (!opened) return resolve(false);
          if (this.socket !== socket) return;
          this.socket = null;
          for (const write of this.writes.splice(0)) write(false);
          this.onLost();
        };
      });
    }

    write(bytes) {
      if (!this.socket || this.socket.readyState !== WebSocket.OPEN) return Promise.resolve(false);
      return new Promise((resolve) => {
        this.writes.push(resolve);
        this.socket.send(bytes);
      });
    }

    async close() {
      const socket = this.socket;
      this.socket = null;
      for (const write of this.writes.splice(0)) write(false);
      if (!socket) return;
      // Closed on both ends before a retry opens again, so the bridge has let the port go.
      await new Promise((resolve) => {
        socket.onclose = resolve;
        socket.close(1000);
        // A bridge that never answers the close does not hold the transfer's end.
        setTimeout(resolve, 2000);
      });
    }
  }

  // Where a transfer's time goes beyond the wire and the protocol's waits: how long a write
  // took to be reported as having left the port (for a bridge, one round trip through the
  // browser, the bridge and back) and how late the session's deadlines were met.
  class Timing {
    constructor() {
      this.written = [];
      this.late = [];
    }

    static summary(values) {
      const sorted = values.slice().sort((a, b) => a - b);
      const at = (share) => sorted.length ? sorted[Math.min(sorted.length - 1, Math.floor(sorted.length * share))] : 0;
      return {median: at(0.5), p90: at(0.9), total: sorted.reduce((sum, value) => sum + value, 0)};
    }

    result() {
      return {written: Timing.summary(this.written), late: Timing.summary(this.late)};
    }
  }

  // One transfer over a real line: every action of the session is done in order, every input
  // carries the time it happened.
  class PortDriver {
    constructor(core, line, post) {
      this.core = core;
      this.line = line;
      this.post = post;
      this.waker = new Waker();
      line.onBytes = (bytes) => {
        this.wireBytes += bytes.length;
        this.input((session) => session.bytesReceived(bytes, now()));
      };
      line.onLost = () => this.input((session) => session.lineLost(now()));
    }

    start(message) {
      // What the transfer put on the wire, for its time's lower bound.
      this.wireBytes = 0;
      this.timing = new Timing();
      this.startedAt = now();
      this.session = new this.core.TransferSession();
      this.session.start(message.write, message.image, message.verify, now());
      this.pump();
    }

    input(feed) {
      if (!this.session) return;
      feed(this.session);
      this.pump();
    }

    answer(answer) {
      this.input((session) => session.answer(answer, now()));
    }

    cancel() {
      this.input((session) => session.cancel(now()));
    }

    write(bytes) {
      const sent = now();
      this.line.write(bytes).then((ok) => {
        this.timing.written.push(now() - sent);
        this.input((s) => s.written(ok, now()));
      });
    }

    pump() {
      const session = this.session;
      const shown = [];
      for (const action of session.takeActions()) {
        switch (action.kind) {
        case 'open':
          this.line.open().then((ok) => this.input((s) => s.portOpened(ok, now())));
          break;
        case 'close':
          this.closing = this.line.close();
          break;
        case 'write':
          this.wireBytes += action.bytes.length;
          this.write(action.bytes);
          break;
        case 'purge':
          break;
        case 'finished':
          this.waker.cancel();
          this.finish(shown);
          return;
        default:
          shown.push(action);
        }
      }
      if (shown.length) this.post({type: 'actions', actions: shown});
      // Bytes already queued for this thread are handed in before the deadline is told:
      // after a stall, the timer may come up before the frames that beat it.
      const due = session.nextDeadline();
      this.waker.at(due, () => nextTurn().then(() => {
        this.timing.late.push(now() - due);
        this.input((s) => s.timeElapsed(now()));
      }));
    }

    async finish(shown) {
      const result = this.session.result();
      result.ms = now() - this.startedAt;
      result.wireBytes = this.wireBytes;
      result.timing = this.timing.result();
      this.session.delete();
      this.session = null;
      // The port is released before the page hears of the end.
      await this.closing;
      this.post({type: 'actions', actions: shown});
      this.post({type: 'finished', result});
    }
  }

  // A transfer with the demo radio inside the core: simulated time, run in slices so the
  // page's Cancel and answers get in between.
  class DemoDriver {
    constructor(demo, post) {
      this.demo = demo;
      this.post = post;
    }

    start(message) {
      this.demo.start(message.write, message.image, message.verify);
      this.running = true;
      this.loop();
    }

    async loop() {
      while (this.running) {
        const actions = this.demo.run(200);
        const asking = actions.some((action) => action.kind === 'ask');
        const shown = actions.filter((action) => action.kind !== 'finished' &&
          !['open', 'close', 'write', 'purge'].includes(action.kind));
        if (shown.length) this.post({type: 'actions', actions: shown});
        if (this.demo.hasEnded()) {
          this.running = false;
          this.post({type: 'finished', result: this.demo.result()});
          return;
        }
        if (asking) return;
        await nextTurn();
      }
    }

    answer(answer) {
      this.demo.answer(answer);
      if (this.running) this.loop();
    }

    cancel() {
      this.demo.cancel();
    }
  }

  let core = null;
  let demo = null;
  let driver = null;
  let opened = null;
  let closed = null;
  const post = (message) => scope.postMessage(message);

  function lineFor(kind, url) {
    if (kind === 'bridge') return new BridgeLine(url);
    return new SerialPortLine(
      () => new Promise((resolve) => { opened = resolve; post({type: 'open'}); }),
      () => new Promise((resolve) => { closed = resolve; post({type: 'close'}); }));
  }

  scope.onmessage = (event) => {
    const message = event.data;
    switch (message.type) {
    case 'start':
      driver = message.line.kind === 'demo'
        ? new DemoDriver(demo, post)
        : new PortDriver(core, lineFor(message.line.kind, message.line.url), post);
      driver.start(message);
      break;
    case 'answer':
      driver?.answer(message.answer);
      break;
    case 'cancel':
      driver?.cancel();
      break;
    case 'opened':
      opened?.(message);
      opened = null;
      break;
    case 'closed':
      closed?.();
      closed = null;
      break;
    case 'demoMemory':
      post({type: 'demoMemory', bytes: demo.memory()});
      break;
    case 'setDemoMemory':
      demo.setMemory(message.bytes);
      break;
    default:
      break;
    }
  };

  TarnCore(options.wasm ? {locateFile: () => options.wasm} : {}).then((module) => {
    core = module;
    demo = new core.DemoSession();
    post({type: 'ready'});
  }, (error) => post({type: 'failed', text: String(error && error.message ? error.message : error)}));
}

if (typeof module !== 'undefined') module.exports = {tarnTransferWorker};
