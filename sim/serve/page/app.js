// The live page: the device's screen as the server pushes it, and the person's clicks, drags and
// buttons sent back as gestures and script commands.
"use strict";

const $ = (id) => document.getElementById(id);
const screen = $("screen");
const state = { device: null, pendingTap: null, pointer: null, hovering: false, tree: null };

// A press held this long is a long press; a pointer that moves this far is a drag.
const LONG_PRESS_MS = 500;
const DRAG_POINTS = 8;
// A second click this soon after the first, near it, makes a double tap.
const DOUBLE_CLICK_MS = 250;

async function post(path, body) {
  const response = await fetch(path, {
    method: "POST", headers: { "Content-Type": "application/json" }, body: JSON.stringify(body),
  });
  const reply = await response.json().catch(() => ({ error: response.statusText }));
  if (!response.ok) throw new Error(reply.error || response.statusText);
  return reply;
}

function showOutput(text, failed) {
  const output = $("script-output");
  output.textContent = text;
  output.classList.toggle("failed", !!failed);
}

async function runCommand(line) {
  try {
    const reply = await post("/api/command", { line });
    showOutput(reply.output || (reply.failed ? "" : "ok: " + reply.line), reply.failed);
    return reply;
  } catch (error) {
    showOutput(error.message, true);
  }
}

async function sendGesture(gesture) {
  try {
    const reply = await post("/api/gesture", gesture);
    if (reply.failed) showOutput(reply.output, true);
  } catch (error) {
    showOutput(error.message, true);
  }
}

// Screen points under a pointer event: the picture is laid out at the screen's size in points.
function pointOf(event) {
  const box = screen.getBoundingClientRect();
  return { x: event.clientX - box.left, y: event.clientY - box.top };
}

screen.addEventListener("pointerdown", (event) => {
  if (event.button !== 0) return;
  screen.setPointerCapture(event.pointerId);
  const start = pointOf(event);
  state.pointer = { start, end: start, time: performance.now(), moved: 0 };
  event.preventDefault();
});

screen.addEventListener("pointermove", (event) => {
  const at = pointOf(event);
  if (state.pointer) {
    state.pointer.end = at;
    state.pointer.moved = Math.max(state.pointer.moved,
      Math.hypot(at.x - state.pointer.start.x, at.y - state.pointer.start.y));
  } else if ($("inspect").checked) {
    hover(at);
  }
});

screen.addEventListener("pointerup", (event) => {
  const press = state.pointer;
  state.pointer = null;
  if (!press) return;
  const held = performance.now() - press.time;
  const { x, y } = press.start;
  if (press.moved >= DRAG_POINTS) {
    sendGesture({ kind: "drag", x, y, toX: press.end.x, toY: press.end.y, duration: Math.max(held, 10) / 1000 });
  } else if (held >= LONG_PRESS_MS) {
    sendGesture({ kind: "long-press", x, y, duration: held / 1000 });
  } else if (state.pendingTap && Math.hypot(state.pendingTap.x - x, state.pendingTap.y - y) < DRAG_POINTS) {
    clearTimeout(state.pendingTap.timer);
    state.pendingTap = null;
    sendGesture({ kind: "double-tap", x, y });
  } else {
    // Held back a moment: a second click turns the two into one double tap.
    const timer = setTimeout(() => {
      state.pendingTap = null;
      sendGesture({ kind: "tap", x, y });
    }, DOUBLE_CLICK_MS);
    state.pendingTap = { x, y, timer };
  }
});

screen.addEventListener("pointercancel", () => { state.pointer = null; });
screen.addEventListener("mouseleave", () => { $("outline").hidden = true; $("hover-name").textContent = ""; });

function place(box, frame) {
  const [x, y, w, h] = frame;
  Object.assign(box.style, { left: x + "px", top: y + "px", width: w + "px", height: h + "px" });
  box.hidden = false;
}

function describe(view) {
  return (view.id ? view.id + " · " : "") + view.class + " · " + view.frame.join(",");
}

// One hover question in flight at a time; the latest point wins.
async function hover(at) {
  state.nextHover = at;
  if (state.hovering) return;
  state.hovering = true;
  while (state.nextHover) {
    const { x, y } = state.nextHover;
    state.nextHover = null;
    try {
      const response = await fetch(`/api/hit?x=${x}&y=${y}`);
      const reply = await response.json();
      if (reply.view) {
        place($("outline"), reply.view.frame);
        $("hover-name").textContent = describe(reply.view);
      } else {
        $("outline").hidden = true;
        $("hover-name").textContent = "";
      }
    } catch (error) { break; }
  }
  state.hovering = false;
}

function treeItem(view) {
  const item = document.createElement("li");
  const name = document.createElement("span");
  name.textContent = (view.id ? view.id + " " : "") + "<" + view.class + ">";
  if (view.hidden) name.classList.add("hidden-view");
  name.title = view.frame.join(",");
  name.addEventListener("click", () => {
    document.querySelectorAll("#tree span.picked").forEach((other) => other.classList.remove("picked"));
    name.classList.add("picked");
    place($("picked"), view.frame);
    $("hover-name").textContent = describe(view);
  });
  item.appendChild(name);
  if (view.subviews && view.subviews.length) {
    const list = document.createElement("ul");
    view.subviews.forEach((child) => list.appendChild(treeItem(child)));
    item.appendChild(list);
  }
  return item;
}

async function refreshTree() {
  if (!$("inspect").checked) return;
  try {
    const roots = await (await fetch("/api/tree")).json();
    const tree = $("tree");
    tree.replaceChildren(...roots.map(treeItem));
  } catch (error) { /* the next frame asks again */ }
}

let treeTimer = null;
function treeSoon() {
  clearTimeout(treeTimer);
  treeTimer = setTimeout(refreshTree, 200);
}

$("inspect").addEventListener("change", () => {
  if ($("inspect").checked) refreshTree();
  else {
    $("tree").replaceChildren();
    $("outline").hidden = true;
    $("picked").hidden = true;
  }
});

function showState(device) {
  state.device = device;
  const time = new Date(device.time * 1000);
  let text;
  try {
    text = time.toLocaleString("en-GB", { timeZone: device.timeZone, dateStyle: "medium", timeStyle: "medium" });
  } catch (error) {
    text = time.toISOString();
  }
  $("virtual-time").textContent = text;
  $("speed-label").textContent = device.speed === 0 ? "(paused)" : device.speed === 1 ? "" : `(×${device.speed})`;
  document.querySelectorAll("[data-speed]").forEach((button) =>
    button.classList.toggle("on", Number(button.dataset.speed) === device.speed));
  $("charger").classList.toggle("on", device.charging);
  $("low-power").classList.toggle("on", device.lowPower);
  $("record").classList.toggle("on", device.recording);
  $("record").textContent = device.recording ? "Stop recording" : "Record";
  $("recorded-count").textContent = device.recordedLines ? `${device.recordedLines} lines` : "";
}

function showFrame(frame) {
  screen.style.width = frame.width + "px";
  screen.style.height = frame.height + "px";
  screen.src = "data:image/png;base64," + frame.png;
  screen.dataset.version = frame.version;
  treeSoon();
}

const events = new EventSource("/events");
events.addEventListener("frame", (event) => showFrame(JSON.parse(event.data)));
events.addEventListener("state", (event) => showState(JSON.parse(event.data)));

document.querySelectorAll("[data-command]").forEach((button) =>
  button.addEventListener("click", () => runCommand(button.dataset.command)));
document.querySelectorAll("[data-speed]").forEach((button) =>
  button.addEventListener("click", () => post("/api/clock", { speed: Number(button.dataset.speed) }).catch(
    (error) => showOutput(error.message, true))));
document.querySelectorAll("[data-step]").forEach((button) =>
  button.addEventListener("click", () => post("/api/clock", { step: Number(button.dataset.step) }).catch(
    (error) => showOutput(error.message, true))));

const orientations = ["portrait", "landscape", "upside-down"];
const orientationNames = { 1: "portrait", 2: "upside-down", 3: "landscape", 4: "landscape" };
$("rotate").addEventListener("click", () => {
  const now = orientationNames[state.device ? state.device.orientation : 1];
  runCommand("rotate " + orientations[(orientations.indexOf(now) + 1) % orientations.length]);
});
$("sleep-wake").addEventListener("click", () =>
  runCommand(state.device && state.device.screenOn ? "display off" : "display on"));
$("charger").addEventListener("click", () =>
  runCommand(state.device && state.device.charging ? "charger off" : "charger on"));
$("low-power").addEventListener("click", () =>
  runCommand(state.device && state.device.lowPower ? "low-power off" : "low-power on"));
$("play-pause").addEventListener("click", () =>
  runCommand(state.device && state.device.playing ? "music pause" : "music play"));
let notificationCount = 0;
$("notify").addEventListener("click", () =>
  runCommand(`notification add com.apple.MobileSMS "Page ${++notificationCount}" "A message from the page"`));
$("record").addEventListener("click", () =>
  post("/api/recording", { action: state.device && state.device.recording ? "stop" : "start" }).catch(
    (error) => showOutput(error.message, true)));
$("script-form").addEventListener("submit", (event) => {
  event.preventDefault();
  const line = $("script-line").value.trim();
  if (line) runCommand(line);
});
