'use strict';

// The pupil's page: joins with the code on the board, then follows the
// lesson through one WebSocket. Every text comes from the program in its
// language, and goes on the page as text, never as markup.

const texts = JSON.parse(document.getElementById('texts').textContent);
const store = window.sessionStorage;
const byId = (id) => document.getElementById(id);
const maxAnswer = 32;

let socket = null;
let joined = false;
let board = null;
let retries = 0;
let typed = { code: '', answers: ['', ''] };
let active = 0;          // the answer field the keypad types into
let nameGiven = false;
let restoring = false;   // joined anew, and the sent answer not yet shown

function send(message) {
  if (socket && socket.readyState === WebSocket.OPEN)
    socket.send(JSON.stringify(message));
}

// The socket is opened only with something to say: a code typed, or the
// token of a device that has joined before. A connection that has not
// joined within seconds is closed by the program.
function connect(first) {
  const scheme = location.protocol === 'https:' ? 'wss://' : 'ws://';
  socket = new WebSocket(scheme + location.host + '/answers');
  socket.onopen = () => {
    retries = 0;
    showMessage('');
    const device = store.getItem('device');
    send(first || { rejoin: device });
    render();
  };
  socket.onmessage = (event) => receive(JSON.parse(event.data));
  socket.onclose = (event) => {
    socket = null;
    joined = false;
    if (event.code === 1009)
      showMessage(texts.messageTooLong);
    if (store.getItem('device')) {
      if (event.code !== 1009)
        showMessage(event.reason || texts.reconnecting);
      setTimeout(() => connect(), Math.min(500 * 2 ** retries++, 5000));
    }
    render();
  };
}

// Says every 20 seconds that the page is still open, as the program asks
// of a joined device.
setInterval(() => { if (joined) send({ here: true }); }, 20000);

function receive(message) {
  if (message.joined) {
    joined = true;
    restoring = true;
    store.setItem('device', message.joined);
    typed.code = '';
    showMessage('');
  } else if (message.refused) {
    showMessage(message.refused);
    if (message.about === 'code') {
      joined = false;
      store.removeItem('device');
      typed.code = '';
    }
  } else if (message.board) {
    const wasAsking = asking(board);
    board = message.board;
    if (asking(board) && !wasAsking) {
      typed.answers = ['', ''];
      active = 0;
      showMessage('');
    }
    // Reloaded, or joined again: the answer the program holds is shown.
    if (restoring && asking(board) && board.question.answer) {
      typed.answers = [...board.question.answer, ''];
      restoring = false;
    }
  }
  render();
}

function asking(state) {
  return !!(state && state.question && !state.question.revealed);
}

function showMessage(text) {
  byId('message').textContent = text;
}

function element(tag, className, text) {
  const e = document.createElement(tag);
  if (className)
    e.className = className;
  if (text !== undefined)
    e.textContent = text;
  return e;
}

function renderNumbers() {
  const numbers = byId('numbers');
  numbers.replaceChildren();
  const paused = board.phase === 'paused';
  board.numbers.forEach((number, i) => {
    const hidden = board.hidden[i];
    const shown = element('div', 'number' + (hidden ? ' hidden' : '') + (paused ? ' small' : ''),
                          hidden ? texts.hidden : number);
    shown.dataset.counter = String(i + 1);
    numbers.append(shown);
  });
}

function renderQuestion(question) {
  const fields = byId('fields');
  fields.replaceChildren();
  for (let i = 0; i < question.counters; ++i) {
    fields.append(element('p', 'prompt', question.counters === 1 ? texts.question : texts['question' + (i + 1)]));
    const entry = element('output', 'entry' + (i === active ? ' active' : ''), typed.answers[i]);
    entry.id = 'answer' + (i + 1);
    entry.addEventListener('click', () => { active = i; render(); });
    fields.append(entry);
  }
  const sent = byId('sent');
  sent.classList.toggle('shown', !!question.answer);
  byId('sentNote').textContent = texts.sent;
  byId('sentHint').textContent = texts.canChange;
}

function renderVerdict(question) {
  const verdict = byId('verdict');
  const wrong = (question.verdict || []).map((right, i) => right ? null : question.next[i]).filter((n) => n !== null);
  const answered = (question.verdict || []).length > 0;
  verdict.className = answered && wrong.length === 0 ? 'right' : '';
  if (answered && wrong.length === 0) {
    verdict.textContent = texts.right;
    return;
  }
  // What the pupil said beside what comes next, counter by counter.
  const lines = question.next.map((n, i) => {
    const said = answered && !question.verdict[i] ? texts.youSaid.replace('%1', question.answer[i]) + ' ' : '';
    return said + texts.next.replace('%1', n);
  });
  verdict.textContent = lines.join(' ');
}

function render() {
  const inQuestion = joined && asking(board);
  const revealed = joined && board && board.question && board.question.revealed;
  byId('join').hidden = joined;
  byId('board').hidden = !joined || !board;
  byId('question').hidden = !inQuestion;
  byId('verdict').hidden = !revealed;
  byId('keypad').hidden = joined && !inQuestion;
  byId('name').hidden = !(joined && board && board.askName && !nameGiven);
  byId('code').textContent = typed.code;
  if (joined && board) {
    renderNumbers();
    if (inQuestion)
      renderQuestion(board.question);
    if (revealed)
      renderVerdict(board.question);
  }
  byId('status').textContent = joined && board && !inQuestion && !revealed ? texts.waiting : '';
  renderKeypad(inQuestion);
}

function renderKeypad(answering) {
  byId('send').textContent = answering ? texts.send : texts.join;
  byId('key-separator').disabled = !answering;
  byId('key-minus').disabled = !answering;
}

function type(key) {
  const answering = joined && asking(board);
  if (!answering) {
    if (/^[0-9]$/.test(key) && typed.code.length < 4)
      typed.code += key;
    else if (key === 'delete')
      typed.code = typed.code.slice(0, -1);
    else if (key === 'send' && typed.code.length > 0 && socket && socket.readyState === WebSocket.OPEN)
      send({ join: typed.code });
    else if (key === 'send' && typed.code.length > 0 && !socket)
      connect({ join: typed.code });
  } else if (key === 'send') {
    const counters = board.question.counters;
    const empty = typed.answers.slice(0, counters).findIndex((a) => a === '');
    if (empty >= 0)
      active = empty;
    else
      send({ answer: typed.answers.slice(0, counters) });
  } else {
    let text = typed.answers[active];
    if (key === 'delete')
      text = text.slice(0, -1);
    else if (key === '-')
      text = text.startsWith('-') ? text.slice(1) : '-' + text;
    else if (text.length < maxAnswer)
      text += key;
    typed.answers[active] = text;
  }
  render();
}

function buildKeypad() {
  const keypad = byId('keypad');
  const keys = ['7', '8', '9', '4', '5', '6', '1', '2', '3', texts.separator, '0', '-'];
  for (const key of keys) {
    const button = element('button', '', key);
    button.type = 'button';
    if (key === texts.separator)
      button.id = 'key-separator';
    else if (key === '-')
      button.id = 'key-minus';
    else
      button.id = 'key-' + key;
    button.addEventListener('click', () => type(key));
    keypad.append(button);
  }
  const remove = element('button', 'delete wide', texts.delete);
  remove.type = 'button';
  remove.id = 'key-delete';
  remove.addEventListener('click', () => type('delete'));
  keypad.append(remove);
  const sendKey = element('button', 'wide');
  sendKey.type = 'button';
  sendKey.id = 'send';
  sendKey.addEventListener('click', () => type('send'));
  keypad.append(sendKey);
}

document.addEventListener('keydown', (event) => {
  if (event.target instanceof HTMLInputElement)
    return;
  if (/^[0-9]$/.test(event.key) || event.key === '-')
    type(event.key);
  else if (event.key === '.' || event.key === ',')
    type(texts.separator);
  else if (event.key === 'Backspace')
    type('delete');
  else if (event.key === 'Enter')
    type('send');
  else
    return;
  event.preventDefault();
});

byId('name').addEventListener('submit', (event) => {
  event.preventDefault();
  const name = byId('nameInput').value.trim();
  if (name) {
    send({ name: name });
    nameGiven = true;
    render();
  }
});

document.title = texts.title;
byId('codePrompt').textContent = texts.codePrompt;
byId('namePrompt').textContent = texts.namePrompt;
byId('nameSend').textContent = texts.send;
buildKeypad();
render();
// The QR code on the board ends its address with "#" and the code: the page
// joins with it at once, and takes it out of the address bar, where a reload
// would find a code the board may have changed since.
const codeInAddress = /^#([0-9]{4})$/.exec(location.hash);
if (codeInAddress)
  history.replaceState(null, '', location.pathname + location.search);
if (store.getItem('device'))
  connect();
else if (codeInAddress)
  connect({ join: codeInAddress[1] });
