/* Brackwell's skin: the colours the table's system colours take, and the look of the
   buttons and message boxes. A Qt style sheet. */

#Form1 {
    qproperty-buttonFace: #9cc3a0;
    qproperty-buttonText: #1b2a1e;
}

QPushButton {
    color: #2b1d0e;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fffdf6, stop:1 #e6ddc8);
    border: 1px solid #6b5537;
    border-radius: 6px;
    padding: 1px 6px;
}
QPushButton:hover {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #efe7d3);
    border-color: #3f2f1b;
}
QPushButton:pressed {
    background: #d8ceb6;
}
QPushButton:focus {
    border-color: #103cb4;
}
QPushButton:disabled {
    color: #8f8672;
    background: #e9e4d8;
    border-color: #b0a48c;
}

QMessageBox {
    background: #f8f5ec;
}
QMessageBox QLabel {
    color: #1b1b1b;
}
QMessageBox QPushButton {
    min-width: 72px;
    padding: 3px 10px;
}
