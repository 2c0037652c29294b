"""What an oracle check found: each difference counted, the first few shown."""


class Differences:
    SHOWN = 10

    def __init__(self):
        self.count = 0

    def add(self, text):
        self.count += 1
        if self.count <= self.SHOWN:
            print(text)

    def exit_code(self):
        return 1 if self.count else 0
