#!/usr/bin/env python3
"""A pupil's page in a real browser (Debian's chromium, headless): the pupil
joins with the code, sees the board's number change while counting, answers
at the pause and is told "Right!" once the teacher shows the answers, and the
teacher's window has counted the answer.

Usage: browser_test.py <answers_host program> [its arguments]

With EXPECTED_ADDRESS set, the card's address must start with it; with
REFUSED_ADDRESS set, nothing may listen there on the card's port."""

import os
import queue
import shutil
import socket
import subprocess
import sys
import tempfile
import threading
import time

SKIP = 77

try:
    from selenium import webdriver
    from selenium.webdriver.chrome.options import Options
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.by import By
    from selenium.webdriver.support.ui import WebDriverWait
except ImportError:
    print("python3-selenium is not installed", file=sys.stderr)
    sys.exit(SKIP)

CHROMEDRIVER = shutil.which("chromedriver") or "/usr/bin/chromedriver"
CHROMIUM = shutil.which("chromium") or "/usr/bin/chromium"
TIMEOUT = 30


class Host:
    """The program, worked through its standard input."""

    def __init__(self, command):
        self.process = subprocess.Popen(command, stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
        self.lines = queue.Queue()
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for line in self.process.stdout:
            self.lines.put(line.strip())

    def send(self, command):
        self.process.stdin.write(command + "\n")
        self.process.stdin.flush()

    def expect(self, wanted):
        deadline = time.monotonic() + TIMEOUT
        while time.monotonic() < deadline:
            try:
                line = self.lines.get(timeout=deadline - time.monotonic())
            except queue.Empty:
                break
            if line.startswith(wanted):
                return line
        raise AssertionError(f"the program never reported {wanted!r}")


def browser(profile):
    options = Options()
    options.binary_location = CHROMIUM
    for argument in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                     "--disable-background-networking", "--disable-component-update", "--disable-sync",
                     f"--user-data-dir={profile}", "--window-size=420,900"):
        options.add_argument(argument)
    return webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)


def main():
    if not shutil.which(CHROMIUM) or not shutil.which(CHROMEDRIVER):
        print("chromium or chromium-driver is not installed", file=sys.stderr)
        return SKIP
    host = Host(sys.argv[1:])
    _, address, code = host.expect("ready").split()
    if not address.startswith(os.environ.get("EXPECTED_ADDRESS", "http")):
        raise AssertionError(f"the card shows {address}")
    if os.environ.get("REFUSED_ADDRESS"):
        port = int(address.rsplit(":", 1)[1].strip("/"))
        with socket.socket() as probe:
            if probe.connect_ex((os.environ["REFUSED_ADDRESS"], port)) == 0:
                raise AssertionError(f"the server listens on {os.environ['REFUSED_ADDRESS']}")
    profile = tempfile.mkdtemp(prefix="tallyvane-browser-")
    driver = browser(profile)
    wait = WebDriverWait(driver, TIMEOUT)
    try:
        driver.get(address)
        wait.until(lambda d: d.find_element(By.ID, "codePrompt").text == "Type the code on the board")
        for digit in code:
            driver.find_element(By.ID, f"key-{digit}").click()
        driver.find_element(By.ID, "send").click()
        wait.until(lambda d: d.find_element(By.ID, "board").is_displayed())

        host.send("start")
        # Read in one step: the page draws its numbers anew with each message.
        number = lambda d: d.execute_script("const n = document.querySelector('#numbers .number');"
                                            "return n ? n.textContent : '';")
        first = wait.until(lambda d: number(d) not in ("", "0") and number(d))
        wait.until(lambda d: number(d) != first)

        def answer_at_a_pause(answer_of):
            host.send("pause")
            host.expect("paused")
            wait.until(lambda d: d.find_element(By.ID, "question").is_displayed())
            on_board = int(number(driver))
            for digit in str(answer_of(on_board)):
                driver.find_element(By.ID, f"key-{digit}").click()
            driver.find_element(By.ID, "send").click()
            wait.until(lambda d: d.find_element(By.ID, "sent").text != "")
            return on_board

        # A wrong answer, kept through a reload, and told beside the right one.
        on_board = answer_at_a_pause(lambda n: n + 2)
        driver.refresh()
        wait.until(lambda d: d.find_element(By.ID, "answer1").text == str(on_board + 2))
        wait.until(lambda d: d.find_element(By.ID, "sent").text.startswith("Sent."))
        host.send("predict")
        host.expect("window")
        host.expect("answered 1")
        host.send("show")
        told = f"You said {on_board + 2}. The next number is {on_board + 1}."
        wait.until(lambda d: d.find_element(By.ID, "verdict").text == told)
        host.send("close")
        host.expect("paused")
        host.send("stop")

        host.send("start")
        wait.until(lambda d: d.execute_script("return board && board.phase") == "counting")
        on_board = answer_at_a_pause(lambda n: n + 1)
        host.send("predict")
        host.expect("window")
        host.expect("answered 1")
        host.send("show")
        wait.until(lambda d: d.find_element(By.ID, "verdict").text == "Right!")
        print(f"The pupil answered {on_board + 1} after {on_board} and was told Right!")

        host.send("close")
        host.expect("paused")
        host.send("stop")

        # Another device joins by the QR code's address, typing nothing, and
        # the code leaves its address bar.
        driver.switch_to.new_window("tab")
        driver.get(f"{address}#{code}")
        wait.until(lambda d: d.find_element(By.ID, "board").is_displayed())
        if "#" in driver.current_url:
            raise AssertionError(f"the code stayed in the address: {driver.current_url}")
        host.send("quit")
        return host.process.wait(timeout=TIMEOUT)
    finally:
        driver.quit()
        if host.process.poll() is None:
            host.process.kill()
        shutil.rmtree(profile, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
